// SPDX-License-Identifier: GPL-3.0-or-later
// Reading display and score pictures without letting a huge file stall or exhaust the program.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

struct ImageFile
{
    QImage image;     // null when the file could not be used
    QSize fileSize;   // the picture's size as its header gives it; invalid when it has none
    bool tooLarge = false; // readable, but too large to decode
};

// Reads the picture at `path`. With a valid `fitInto`, a larger picture in a format that decodes
// scaled down (JPEG) comes back fitted into it, whatever its size; other pictures keep theirs.
// A picture that would have to be decoded at full size beyond 128 MB is
// refused with tooLarge set, before any decoding.
ImageFile ReadImageFile(const QString &path, const QSize &fitInto = QSize());
