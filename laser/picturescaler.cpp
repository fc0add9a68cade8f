// SPDX-License-Identifier: LGPL-2.1-or-later
// PictureScaler: area averaging for shrinking, interpolation for growing.
#include "picturescaler.h"

#include "greyconversion.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif
#if defined(__x86_64__) || defined(__i386__)
#include <tmmintrin.h>
#endif

namespace {

constexpr int WeightBits = 8;
constexpr int WeightOne = 1 << WeightBits;
constexpr int Half = WeightOne / 2;
// Bytes ahead of the one being read that are asked for from memory: a few source rows.
constexpr int PrefetchAhead = 8192;

#if defined(__x86_64__) || defined(__i386__)
// Keeps every Factor-th pixel of `means` (valid up to byte `valid`), sixteen output bytes at a
// time with byte shuffles; returns how many output pixels were written.
template <int Factor>
__attribute__((target("ssse3"))) int CompactPixelsSsse3(const uint8_t *means, uint8_t *out,
                                                         int width, int valid)
{
    // Output byte o comes from Factor * o - (Factor - 1) * (o % 3); for sixteen bytes from o0
    // those lie within Loads vectors from Factor * o0 - (Factor - 1) * (o0 % 3) on, in a
    // pattern that repeats with o0 % 3.
    constexpr int Loads = (15 * Factor) / 16 + 1;
    struct Masks
    {
        alignas(16) int8_t bytes[3][Loads][16];
    };
    static const Masks masks = [] {
        Masks m;
        for (int p = 0; p < 3; ++p)
            for (int k = 0; k < Loads; ++k)
                for (int t = 0; t < 16; ++t) {
                    const int rel = Factor * t - (Factor - 1) * ((p + t) % 3 - p) - 16 * k;
                    m.bytes[p][k][t] = rel >= 0 && rel < 16 ? int8_t(rel) : int8_t(-128);
                }
        return m;
    }();
    const int outBytes = width * 3;
    int o0 = 0;
    for (; o0 + 16 <= outBytes; o0 += 16) {
        const int p = o0 % 3;
        const int base = Factor * o0 - (Factor - 1) * p;
        if (base + 16 * Loads > valid)
            break;
        __m128i v = _mm_setzero_si128();
        for (int k = 0; k < Loads; ++k)
            v = _mm_or_si128(v, _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i *>(
                                                     means + base + 16 * k)),
                                                 _mm_load_si128(reinterpret_cast<const __m128i *>(
                                                     masks.bytes[p][k]))));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + o0), v);
    }
    return o0 / 3; // the pixel the rest starts at; its bytes are written again
}
#endif

template <int Factor>
int CompactPixels(const uint8_t *means, uint8_t *out, int width, int valid)
{
#if defined(__x86_64__) || defined(__i386__)
    static const bool shuffles = __builtin_cpu_supports("ssse3");
    if (shuffles)
        return CompactPixelsSsse3<Factor>(means, out, width, valid);
#endif
    (void)means, (void)out, (void)width, (void)valid;
    return 0;
}

// One output row from a source row `Factor` times as wide: every output byte the rounded mean of
// the same channel of Factor neighbouring pixels. First the means at every source byte (sixteen
// at a time), then every Factor-th pixel of them kept, one 4-byte copy per pixel.
template <int Factor>
void ShrinkRowBy(const uint8_t *in, uint8_t *out, uint8_t *means, int width)
{
    const int bytes = width * 3 * Factor;
    const int span = 3 * (Factor - 1); // the last pixel a mean reaches, in bytes
    int j = 0;
#ifdef __SSE2__
    const __m128i zero = _mm_setzero_si128();
    for (; j + 16 + span <= bytes; j += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + j));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + j + 3));
        __m128i m;
        if (Factor == 2) {
            m = _mm_avg_epu8(a, b);
        } else {
            // Sums of three in 16 bits, divided by 3 as (sum + 1) * 21846 / 65536.
            const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + j + 6));
            const __m128i one = _mm_set1_epi16(1), third = _mm_set1_epi16(21846);
            const __m128i lo = _mm_add_epi16(
                _mm_add_epi16(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(b, zero)),
                _mm_add_epi16(_mm_unpacklo_epi8(c, zero), one));
            const __m128i hi = _mm_add_epi16(
                _mm_add_epi16(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(b, zero)),
                _mm_add_epi16(_mm_unpackhi_epi8(c, zero), one));
            m = _mm_packus_epi16(_mm_mulhi_epu16(lo, third), _mm_mulhi_epu16(hi, third));
        }
        _mm_storeu_si128(reinterpret_cast<__m128i *>(means + j), m);
    }
#endif
    for (; j + span < bytes; ++j) {
        int sum = Factor / 2;
        for (int k = 0; k < Factor; ++k)
            sum += in[j + 3 * k];
        means[j] = uint8_t(sum / Factor);
    }
    int i = CompactPixels<Factor>(means, out, width, bytes - span);
    for (; i + 1 < width; ++i) {
        uint32_t pixel;
        std::memcpy(&pixel, means + 3 * Factor * i, 4);
        std::memcpy(out + 3 * i, &pixel, 4); // its fourth byte is the next pixel's, rewritten next
    }
    std::memcpy(out + 3 * i, means + 3 * Factor * i, 3);
}

// line = the rounded weighted sum of Rows rows (weights summing to 256), sixteen bytes at a time.
template <int Rows>
void BlendRowsOf(const uint8_t *const r[4], const int w[4], uint8_t *line, int bytes)
{
    int x = 0;
#ifdef __SSE2__
    const __m128i zero = _mm_setzero_si128(), half = _mm_set1_epi16(Half);
    __m128i weight[4];
    for (int k = 0; k < 4; ++k)
        weight[k] = _mm_set1_epi16(short(w[k]));
    for (; x + 16 <= bytes; x += 16) {
        __m128i lo = half, hi = half;
        for (int k = 0; k < Rows; ++k) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(r[k] + x));
            lo = _mm_add_epi16(lo, _mm_mullo_epi16(_mm_unpacklo_epi8(v, zero), weight[k]));
            hi = _mm_add_epi16(hi, _mm_mullo_epi16(_mm_unpackhi_epi8(v, zero), weight[k]));
        }
        _mm_storeu_si128(reinterpret_cast<__m128i *>(line + x),
                         _mm_packus_epi16(_mm_srli_epi16(lo, WeightBits),
                                          _mm_srli_epi16(hi, WeightBits)));
    }
#endif
    for (; x < bytes; ++x)
        line[x] = uint8_t((w[0] * r[0][x] + w[1] * r[1][x] + w[2] * r[2][x] + w[3] * r[3][x] + Half)
                          >> WeightBits);
}

#if defined(__x86_64__) || defined(__i386__)
// Two rows with one multiply-add per byte pair: weights halved to seven bits (summing to 128),
// which rounds to the same grey level or the next.
__attribute__((target("ssse3"))) void BlendTwoRowsSsse3(const uint8_t *r0, const uint8_t *r1,
                                                        int w0, uint8_t *line, int bytes)
{
    const int a = std::min((w0 + 1) / 2, 127), b = 128 - a; // 128 is no signed byte
    const __m128i pair = _mm_set1_epi16(short(a | (b << 8)));
    const __m128i round = _mm_set1_epi16(64);
    int x = 0;
    for (; x + 16 <= bytes; x += 16) {
        const __m128i u = _mm_loadu_si128(reinterpret_cast<const __m128i *>(r0 + x));
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(r1 + x));
        const __m128i lo = _mm_maddubs_epi16(_mm_unpacklo_epi8(u, v), pair);
        const __m128i hi = _mm_maddubs_epi16(_mm_unpackhi_epi8(u, v), pair);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(line + x),
                         _mm_packus_epi16(_mm_srli_epi16(_mm_add_epi16(lo, round), 7),
                                          _mm_srli_epi16(_mm_add_epi16(hi, round), 7)));
    }
    for (; x < bytes; ++x)
        line[x] = uint8_t((a * r0[x] + b * r1[x] + 64) >> 7);
}
#endif

#if defined(__x86_64__) || defined(__i386__)
// Weighted sums of two rows at the sixteen bytes from j, as two halves of eight.
__attribute__((target("ssse3"))) inline void WeightedSums(const uint8_t *r0, const uint8_t *r1,
                                                          int j, __m128i weights, __m128i &lo,
                                                          __m128i &hi)
{
    const __m128i u = _mm_loadu_si128(reinterpret_cast<const __m128i *>(r0 + j));
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(r1 + j));
    lo = _mm_maddubs_epi16(_mm_unpacklo_epi8(u, v), weights);
    hi = _mm_maddubs_epi16(_mm_unpackhi_epi8(u, v), weights);
}

// One output row from two source rows twice its width (the 1280 x 720 to 640 x 480 case), in one
// pass: the two rows weighted with seven-bit weights summing to 128, neighbouring pixels added in
// sixteen bits, rounded once, every other pixel kept. 32 source pixels give 16 output pixels per
// step, the rest one byte at a time.
__attribute__((target("ssse3"))) void HalveTwoRowsSsse3(const uint8_t *r0, const uint8_t *r1,
                                                        int w0, uint8_t *out, int width)
{
    const int a = std::min((w0 + 1) / 2, 127), b = 128 - a;
    const __m128i pair = _mm_set1_epi16(short(a | (b << 8)));
    const __m128i round = _mm_set1_epi16(Half);
    // Output byte o of a step is the sum at source byte 2 * o - o % 3; the sixteen bytes of
    // output vector q come from sum vectors First[q] to First[q] + Spans[q] - 1.
    static constexpr int First[3] = {0, 1, 3};
    static constexpr int Spans[3] = {2, 3, 3};
    struct Masks
    {
        alignas(16) int8_t bytes[3][3][16];
    };
    static const Masks masks = [] {
        Masks m;
        for (int q = 0; q < 3; ++q)
            for (int k = 0; k < 3; ++k)
                for (int t = 0; t < 16; ++t) {
                    const int o = 16 * q + t, s = 2 * o - o % 3;
                    m.bytes[q][k][t] = s / 16 == First[q] + k ? int8_t(s % 16) : int8_t(-128);
                }
        return m;
    }();
    const int bytes = width * 6;
    int x = 0;
    __m128i lo = _mm_setzero_si128(), hi = _mm_setzero_si128();
    if (bytes >= 96)
        WeightedSums(r0, r1, 0, pair, lo, hi);
    for (; x + 96 <= bytes; x += 96) {
        // A fresh camera picture is in main memory, not in the caches; asking for it this far
        // ahead keeps more of it on the way than the processor's own prefetching does.
        for (int line = 0; line < 128; line += 64) {
            _mm_prefetch(reinterpret_cast<const char *>(r0 + x + PrefetchAhead + line), _MM_HINT_T0);
            _mm_prefetch(reinterpret_cast<const char *>(r1 + x + PrefetchAhead + line), _MM_HINT_T0);
        }
        __m128i m[6];
        for (int k = 0; k < 6; ++k) {
            // The last three bytes of a step reach into the next; no kept byte needs them, so
            // past the row's end they are left zero.
            __m128i nextLo = _mm_setzero_si128(), nextHi = _mm_setzero_si128();
            if (k < 5 || x + 112 <= bytes)
                WeightedSums(r0, r1, x + 16 * (k + 1), pair, nextLo, nextHi);
            const __m128i s0 = _mm_add_epi16(lo, _mm_alignr_epi8(hi, lo, 6));
            const __m128i s1 = _mm_add_epi16(hi, _mm_alignr_epi8(nextLo, hi, 6));
            m[k] = _mm_packus_epi16(_mm_srli_epi16(_mm_add_epi16(s0, round), WeightBits),
                                    _mm_srli_epi16(_mm_add_epi16(s1, round), WeightBits));
            lo = nextLo;
            hi = nextHi;
        }
        for (int q = 0; q < 3; ++q) {
            const auto *mask = reinterpret_cast<const __m128i *>(masks.bytes[q]);
            __m128i v = _mm_shuffle_epi8(m[First[q]], _mm_load_si128(mask));
            for (int k = 1; k < Spans[q]; ++k)
                v = _mm_or_si128(v, _mm_shuffle_epi8(m[First[q] + k], _mm_load_si128(mask + k)));
            _mm_storeu_si128(reinterpret_cast<__m128i *>(out + x / 2 + 16 * q), v);
        }
    }
    const int done = x / 6;
    for (int i = done * 3; i < width * 3; ++i) {
        const int j = 2 * i - i % 3;
        out[i] = uint8_t((a * (r0[j] + r0[j + 3]) + b * (r1[j] + r1[j + 3]) + Half) >> WeightBits);
    }
}
#endif

void BlendRows(const uint8_t *const r[4], const int w[4], uint8_t *line, int bytes)
{
#if defined(__x86_64__) || defined(__i386__)
    static const bool shuffles = __builtin_cpu_supports("ssse3");
    if (shuffles && !w[2]) {
        BlendTwoRowsSsse3(r[0], r[1], w[0], line, bytes);
        return;
    }
#endif
    if (w[3])
        BlendRowsOf<4>(r, w, line, bytes);
    else if (w[2])
        BlendRowsOf<3>(r, w, line, bytes);
    else
        BlendRowsOf<2>(r, w, line, bytes);
}

void ShrinkRow(const PictureScaler::Taps &t, const uint8_t *in, uint8_t *out)
{
    for (int i = 0; i < t.to; ++i, out += 3) {
        const uint8_t *p = in + 3 * t.start[i];
        const uint16_t *w = t.weights.data() + t.first[i];
        int b = Half, g = Half, r = Half;
        for (int k = 0; k < t.count[i]; ++k, p += 3) {
            b += w[k] * p[0];
            g += w[k] * p[1];
            r += w[k] * p[2];
        }
        out[0] = uint8_t(b >> WeightBits);
        out[1] = uint8_t(g >> WeightBits);
        out[2] = uint8_t(r >> WeightBits);
    }
}

} // namespace

void PictureScaler::AreaTaps(int from, int to, Taps &taps)
{
    if (taps.from == from && taps.to == to)
        return;
    taps.from = from;
    taps.to = to;
    taps.start.assign(size_t(to), 0);
    taps.count.assign(size_t(to), 0);
    taps.first.assign(size_t(to), 0);
    taps.weights.clear();
    // In units of 1/to of a source sample: source j spans [j*to, (j+1)*to), output i spans
    // [i*from, (i+1)*from). Weights are rounded on their running sum, so each row sums to 256.
    for (int i = 0; i < to; ++i) {
        const long lo = long(i) * from, hi = long(i + 1) * from;
        const int j0 = int(lo / to), j1 = int((hi - 1) / to);
        taps.start[size_t(i)] = j0;
        taps.first[size_t(i)] = int(taps.weights.size());
        int given = 0;
        long covered = 0;
        for (int j = j0; j <= j1; ++j) {
            covered += std::min(long(j + 1) * to, hi) - std::max(long(j) * to, lo);
            const int upTo = int((covered * WeightOne + from / 2) / from);
            if (upTo - given > 0 || j == j0) {
                taps.weights.push_back(uint16_t(upTo - given));
                given = upTo;
            } else {
                break;
            }
        }
        taps.count[size_t(i)] = int(taps.weights.size()) - taps.first[size_t(i)];
    }
}

void PictureScaler::Scale(const cv::Mat &picture, int width, int height, uint8_t *out,
                          int outStride, bool bottomUp, uint8_t *grey, int greyStride)
{
    const size_t rowBytes = size_t(width) * 3;
    auto outRow = [&](int y) { return out + size_t(bottomUp ? height - 1 - y : y) * outStride; };
    // A row of the same size is read once: copied, and made grey from the source still cached.
    auto copyRow = [&](int y, const uint8_t *row) {
        std::memcpy(outRow(y), row, rowBytes);
        if (grey)
            BgrRowToGrey(row, grey + size_t(bottomUp ? height - 1 - y : y) * greyStride, width);
    };
    if (picture.cols == width && picture.rows == height) {
        for (int y = 0; y < height; ++y)
            copyRow(y, picture.ptr<uint8_t>(y));
        return;
    }
    if (picture.cols >= width && picture.rows >= height) {
        Shrink(picture, width, height, out, outStride, bottomUp, grey, greyStride);
        return;
    }
    // Growing (a camera smaller than asked for) is rare: bilinear, then the rows in order.
    cv::resize(picture, grown, cv::Size(width, height), 0, 0, cv::INTER_LINEAR);
    for (int y = 0; y < height; ++y)
        copyRow(y, grown.ptr<uint8_t>(y));
}

void PictureScaler::Shrink(const cv::Mat &picture, int width, int height, uint8_t *out,
                           int outStride, bool bottomUp, uint8_t *grey, int greyStride)
{
    AreaTaps(picture.rows, height, rows);
    AreaTaps(picture.cols, width, columns);
    const int sourceBytes = picture.cols * 3;
    line.resize(size_t(sourceBytes));
    means.resize(size_t(sourceBytes));
    const int factor = picture.cols % width == 0 ? picture.cols / width : 0;
    for (int y = 0; y < height; ++y) {
        // Down the columns first: every byte of the row on its own.
        const int start = rows.start[size_t(y)], count = rows.count[size_t(y)];
        const uint16_t *w = rows.weights.data() + rows.first[size_t(y)];
        const size_t outY = size_t(bottomUp ? height - 1 - y : y);
        uint8_t *o = out + outY * outStride;
        if (grey && y > 0) // the row before, written last time round
            BgrRowToGrey(out + (bottomUp ? outY + 1 : outY - 1) * outStride,
                         grey + (bottomUp ? outY + 1 : outY - 1) * greyStride, width);
#if defined(__x86_64__) || defined(__i386__)
        static const bool shuffles = __builtin_cpu_supports("ssse3");
        if (shuffles && factor == 2 && count == 2) { // both directions in one pass
            HalveTwoRowsSsse3(picture.ptr<uint8_t>(start), picture.ptr<uint8_t>(start + 1), w[0],
                              o, width);
            continue;
        }
#endif
        const uint8_t *averaged = picture.ptr<uint8_t>(start);
        if (count > 1) {
            const uint8_t *r[4] = {};
            int wk[4] = {};
            for (int k = 0; k < 4 && k < count; ++k) {
                r[k] = picture.ptr<uint8_t>(start + k);
                wk[k] = w[k];
            }
            if (count < 4) { // the missing rows weigh nothing
                r[3] = r[2] ? r[2] : r[1];
                r[2] = r[2] ? r[2] : r[1];
            }
            if (count <= 4)
                BlendRows(r, wk, line.data(), sourceBytes);
            else
                // More than four source rows in one (a picture over three times too tall): rare.
                for (int x = 0; x < sourceBytes; ++x) {
                    int sum = Half;
                    for (int k = 0; k < count; ++k)
                        sum += w[k] * picture.ptr<uint8_t>(start + k)[x];
                    line[size_t(x)] = uint8_t(sum >> WeightBits);
                }
            averaged = line.data();
        }
        // Then along the row.
        switch (factor) {
        case 1: std::memcpy(o, averaged, size_t(width) * 3); break;
        case 2: ShrinkRowBy<2>(averaged, o, means.data(), width); break;
        case 3: ShrinkRowBy<3>(averaged, o, means.data(), width); break;
        default: ShrinkRow(columns, averaged, o); break;
        }
    }
    if (grey && height > 0) {
        const size_t last = size_t(bottomUp ? 0 : height - 1);
        BgrRowToGrey(out + last * outStride, grey + last * greyStride, width);
    }
}
