// SPDX-License-Identifier: GPL-3.0-or-later
// UprightPicture: the camera library's bottom-first frame turned upright in the pixmap's format.
#pragma once

#include <QImage>

// Two pictures used in turn: the one shown stays untouched while the next is written, so a
// frame costs one pass over its pixels and no allocation once the size is settled.
class UprightPicture
{
public:
    // Writes `bottomFirst` (BGR888 or Grayscale8, rows bottom first, as the library hands them
    // out) top row first as RGB32 into the next picture and returns it; a null image for any other
    // format. The returned picture shares its pixels until the call after the next.
    QImage Make(const QImage &bottomFirst);

private:
    QImage pictures[2];
    int next = 0;
};

// The conversion itself: `out` must be RGB32 of the same size.
void CopyUprightRgb32(const QImage &bottomFirst, QImage &out);
