// PictureScaler: area averaging for shrinking, interpolation for growing.
#include "picturescaler.h"

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
    const int a = (w0 + 1) / 2, b = 128 - a;
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
                          int outStride, bool bottomUp)
{
    const size_t rowBytes = size_t(width) * 3;
    auto outRow = [&](int y) { return out + size_t(bottomUp ? height - 1 - y : y) * outStride; };
    if (picture.cols == width && picture.rows == height) {
        for (int y = 0; y < height; ++y)
            std::memcpy(outRow(y), picture.ptr<uint8_t>(y), rowBytes);
        return;
    }
    if (picture.cols >= width && picture.rows >= height) {
        Shrink(picture, width, height, out, outStride, bottomUp);
        return;
    }
    // Growing (a camera smaller than asked for) is rare: bilinear, then the rows in order.
    cv::resize(picture, grown, cv::Size(width, height), 0, 0, cv::INTER_LINEAR);
    for (int y = 0; y < height; ++y)
        std::memcpy(outRow(y), grown.ptr<uint8_t>(y), rowBytes);
}

void PictureScaler::Shrink(const cv::Mat &picture, int width, int height, uint8_t *out,
                           int outStride, bool bottomUp)
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
        uint8_t *o = out + size_t(bottomUp ? height - 1 - y : y) * outStride;
        switch (factor) {
        case 1: std::memcpy(o, averaged, size_t(width) * 3); break;
        case 2: ShrinkRowBy<2>(averaged, o, means.data(), width); break;
        case 3: ShrinkRowBy<3>(averaged, o, means.data(), width); break;
        default: ShrinkRow(columns, averaged, o); break;
        }
    }
}
