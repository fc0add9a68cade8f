// SPDX-License-Identifier: GPL-3.0-or-later
// UprightPicture: BGR888 and grey rows to RGB32 (0xffRRGGBB), bottom row first to top row first.
#include "uprightpicture.h"

#include <cstring>

namespace {

// RGB32 keeps a pixel as the bytes B, G, R, 0xff: a BGR pixel read as a 32-bit word already
// holds them, with the next pixel's blue on top, which the alpha replaces.
void BgrRow(const uchar *src, quint32 *dst, int width)
{
    int x = 0;
    for (; x + 1 < width; ++x) {
        quint32 v;
        std::memcpy(&v, src + 3 * x, sizeof v);
        dst[x] = v | 0xff000000u;
    }
    // The last pixel's word would reach past the row (and past the buffer's end on the top row).
    if (x < width) {
        const uchar *p = src + 3 * x;
        dst[x] = 0xff000000u | quint32(p[2]) << 16 | quint32(p[1]) << 8 | p[0];
    }
}

void GreyRow(const uchar *src, quint32 *dst, int width)
{
    for (int x = 0; x < width; ++x)
        dst[x] = 0xff000000u | quint32(src[x]) * 0x010101u;
}

} // namespace

void CopyUprightRgb32(const QImage &bottomFirst, QImage &out)
{
    const int width = bottomFirst.width();
    const int height = bottomFirst.height();
    const bool grey = bottomFirst.format() == QImage::Format_Grayscale8;
    for (int y = 0; y < height; ++y) {
        const uchar *src = bottomFirst.constScanLine(height - 1 - y);
        auto *dst = reinterpret_cast<quint32 *>(out.scanLine(y));
        if (grey)
            GreyRow(src, dst, width);
        else
            BgrRow(src, dst, width);
    }
}

QImage UprightPicture::Make(const QImage &bottomFirst)
{
    if (bottomFirst.format() != QImage::Format_BGR888 && bottomFirst.format() != QImage::Format_Grayscale8)
        return QImage();
    QImage &out = pictures[next];
    next = 1 - next;
    // Still shared with a pixmap that is kept elsewhere, writing would copy it first: take a new one.
    if (out.size() != bottomFirst.size() || !out.isDetached())
        out = QImage(bottomFirst.size(), QImage::Format_RGB32);
    if (out.isNull())
        return QImage();
    CopyUprightRgb32(bottomFirst, out);
    return out;
}
