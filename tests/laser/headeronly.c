// SPDX-License-Identifier: GPL-3.0-or-later
/* The public header compiled as C on its own: it must not need C++ or any other header. */
#include "laser.h"

int LaserHeaderBlockSize(void)
{
    return (int)sizeof(FrameBlock);
}
