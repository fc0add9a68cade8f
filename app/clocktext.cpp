// SPDX-License-Identifier: GPL-3.0-or-later
// Game clock text.
#include "clocktext.h"

QString GameClockText(qint64 elapsedMs)
{
    const qint64 hundredths = (elapsedMs + 5) / 10;
    return QStringLiteral("%1,%2s").arg(hundredths / 100).arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}
