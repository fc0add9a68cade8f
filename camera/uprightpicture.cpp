// SPDX-License-Identifier: GPL-3.0-or-later
// UprightPicture: BGR888 and grey rows to RGB32 (0xffRRGGBB), bottom row first to top row first.
#include "uprightpicture.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace {

void BgrPixel(const uchar *p, quint32 *dst)
{
    *dst = 0xff000000u | quint32(p[2]) << 16 | quint32(p[1]) << 8 | p[0];
}

// RGB32 keeps a pixel as the bytes B, G, R, 0xff.
void BgrRow(const uchar *src, quint32 *dst, int width)
{
    for (int x = 0; x < width; ++x)
        BgrPixel(src + 3 * x, dst + x);
}

#if defined(__x86_64__) || defined(__i386__)
// Four pixels a step, spread out to words by one byte shuffle: the 16 bytes read reach two
// pixels further, so the last pixels of a row are done one by one.
__attribute__((target("ssse3"))) void BgrRowSsse3(const uchar *src, quint32 *dst, int width)
{
    const __m128i spread = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i alpha = _mm_set1_epi32(int(0xff000000u));
    int x = 0;
    for (; x + 6 <= width; x += 4) {
        const __m128i in = _mm_loadu_si128(reinterpret_cast<const __m128i *>(src + 3 * x));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + x), _mm_or_si128(_mm_shuffle_epi8(in, spread), alpha));
    }
    for (; x < width; ++x)
        BgrPixel(src + 3 * x, dst + x);
}
#endif

using RowFunction = void (*)(const uchar *, quint32 *, int);

RowFunction ChooseBgrRow()
{
#if defined(__x86_64__) || defined(__i386__)
    if (__builtin_cpu_supports("ssse3"))
        return BgrRowSsse3;
#endif
    return BgrRow;
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
    static const RowFunction bgrRow = ChooseBgrRow();
    uchar *const bits = out.bits();
    const qsizetype rowBytes = out.bytesPerLine();
    for (int y = 0; y < height; ++y) {
        const uchar *src = bottomFirst.constScanLine(height - 1 - y);
        auto *dst = reinterpret_cast<quint32 *>(bits + y * rowBytes);
        if (grey)
            GreyRow(src, dst, width);
        else
            bgrRow(src, dst, width);
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
