// SPDX-License-Identifier: LGPL-2.1-or-later
// RowMarking: marking, row gains and the scene's memory, sixteen pixels at a time.
#include "rowmarking.h"

#include <cstdlib>

#ifdef __SSE2__
#include <emmintrin.h>
#endif
#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace RowMarking {

namespace {

// What the vector passes of a row gather besides the weights and the moved background.
struct RowTotals
{
    int64_t changed = 0;
    int64_t deviation = 0;
    int64_t halves = 0; // the moved background, each level's half
    uint8_t peak = 0;
    uint8_t rise = 0; // the largest rise over the background
    bool marked = false; // some pixel's weight is not 0
};

#if defined(__x86_64__) || defined(__i386__)
// Packing works within 128-bit halves: the quarters of a packed vector back in pixel order.
__attribute__((target("avx2"))) inline __m256i InPixelOrder(__m256i packed)
{
    return _mm256_permute4x64_epi64(packed, 0xd8);
}

// The SSE2 pass below, thirty-two pixels at a time, from `from` while a whole block fits before
// `to`; returns where it stopped.
__attribute__((target("avx2"))) int MarkBlocksAvx2(const uint8_t *g, int16_t *bg, uint8_t *w,
                                                   uint8_t *det, int from, int to, int threshold,
                                                   int gain, RowTotals &totals)
{
    const __m256i gains = _mm256_set1_epi16(short(gain));
    const __m256i white = _mm256_set1_epi16(255 << FractionBits);
    const __m256i scale = _mm256_set1_epi16(short(EdgeScale(threshold)));
    const __m256i least = _mm256_set1_epi8(char(LeastRise(threshold)));
    const __m256i one = _mm256_set1_epi8(1);
    const __m256i zero = _mm256_setzero_si256();
    const __m256i changeLevel = _mm256_set1_epi8(char(ChangeLevel - 1));
    const __m256i ones = _mm256_set1_epi16(1);
    __m256i rises = zero, peaks = zero, changes = zero, deviations = zero, bgSums = zero;
    __m256i marks = zero;
    int x = from;
    for (; x + 32 <= to; x += 32) {
        const __m256i grey = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(g + x));
        __m256i b0 = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(bg + x));
        __m256i b1 = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(bg + x + 16));
        const __m256i l0 =
            _mm256_min_epi16(white, _mm256_mulhi_epu16(_mm256_slli_epi16(b0, 4), gains));
        const __m256i l1 =
            _mm256_min_epi16(white, _mm256_mulhi_epu16(_mm256_slli_epi16(b1, 4), gains));
        const __m256i bInt = InPixelOrder(_mm256_packus_epi16(_mm256_srai_epi16(l0, FractionBits),
                                                         _mm256_srai_epi16(l1, FractionBits)));
        const __m256i share =
            InPixelOrder(_mm256_packus_epi16(_mm256_mulhi_epu16(_mm256_sub_epi16(white, l0), scale),
                                        _mm256_mulhi_epu16(_mm256_sub_epi16(white, l1), scale)));
        const __m256i need = _mm256_max_epu8(least, share);
        const __m256i level = _mm256_adds_epu8(bInt, _mm256_subs_epu8(need, one));
        const __m256i weight = _mm256_subs_epu8(grey, level);
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(w + x), weight);
        marks = _mm256_or_si256(marks, weight);
        const __m256i unlit = _mm256_cmpeq_epi8(weight, zero);
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(det + x),
                            _mm256_and_si256(unlit, _mm256_max_epu8(grey, one)));
        const __m256i rise = _mm256_subs_epu8(grey, bInt);
        rises = _mm256_max_epu8(rises, rise);
        const __m256i diff = _mm256_or_si256(rise, _mm256_subs_epu8(bInt, grey));
        const __m256i isChanged = _mm256_min_epu8(_mm256_subs_epu8(diff, changeLevel), one);
        changes = _mm256_add_epi64(changes, _mm256_sad_epu8(isChanged, zero));
        deviations = _mm256_add_epi64(deviations, _mm256_sad_epu8(diff, zero));
        const __m256i g0 =
            _mm256_slli_epi16(_mm256_cvtepu8_epi16(_mm256_castsi256_si128(grey)), FractionBits);
        const __m256i g1 =
            _mm256_slli_epi16(_mm256_cvtepu8_epi16(_mm256_extracti128_si256(grey, 1)), FractionBits);
        b0 = _mm256_add_epi16(b0, _mm256_srai_epi16(_mm256_sub_epi16(g0, b0), BackgroundShift));
        b1 = _mm256_add_epi16(b1, _mm256_srai_epi16(_mm256_sub_epi16(g1, b1), BackgroundShift));
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(bg + x), b0);
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(bg + x + 16), b1);
        bgSums = _mm256_add_epi32(
            bgSums, _mm256_madd_epi16(_mm256_add_epi16(_mm256_srai_epi16(b0, 1),
                                                       _mm256_srai_epi16(b1, 1)), ones));
        peaks = _mm256_max_epu8(peaks, grey);
    }
    alignas(32) int32_t s32[8];
    _mm256_store_si256(reinterpret_cast<__m256i *>(s32), bgSums);
    for (int32_t v : s32)
        totals.halves += v;
    alignas(32) int64_t s64[4];
    _mm256_store_si256(reinterpret_cast<__m256i *>(s64), changes);
    totals.changed += s64[0] + s64[1] + s64[2] + s64[3];
    _mm256_store_si256(reinterpret_cast<__m256i *>(s64), deviations);
    totals.deviation += s64[0] + s64[1] + s64[2] + s64[3];
    alignas(32) uint8_t lanes[32];
    _mm256_store_si256(reinterpret_cast<__m256i *>(lanes), peaks);
    for (uint8_t v : lanes)
        totals.peak = std::max(totals.peak, v);
    _mm256_store_si256(reinterpret_cast<__m256i *>(lanes), rises);
    for (uint8_t v : lanes)
        totals.rise = std::max(totals.rise, v);
    totals.marked = !_mm256_testz_si256(marks, marks);
    return x;
}
#endif

// Marks one row: weight = rise above the background minus the needed rise, plus one, so a pixel
// that rises exactly by it counts (0: not a laser pixel). Also the detection value, the peak,
// the count of pixels that changed by ChangeLevel either way, and the background moved 1/8 of
// the way to the picture. The background is compared lit by the row's gain, and moves towards
// the picture unlit. Returns whether it marked a pixel.
bool MarkRowScalar(const uint8_t *g, int16_t *bg, uint8_t *w, uint8_t *det, int from, int to,
                   int threshold, int gain, uint8_t &peak, int &changed, int64_t &deviation,
                   DimBlocks &dim)
{
    int marks = 0;
    for (int x = from; x < to; ++x) {
        const int grey = g[x];
        const int b = LitBackground(bg[x], gain);
        const int bInt = b >> FractionBits;
        const int level = std::min(255, bInt + NeededRise(b, threshold) - 1);
        const int weight = std::max(0, grey - level);
        w[x] = uint8_t(weight);
        marks |= weight;
        det[x] = weight ? uint8_t(0) : uint8_t(std::max(grey, 1));
        if (grey - bInt >= dim.level)
            dim.Add(x - x % DimBlocks::Size);
        changed += std::abs(grey - bInt) >= ChangeLevel;
        deviation += std::abs(grey - bInt);
        bg[x] = int16_t(bg[x] + (((grey << FractionBits) - bg[x]) >> BackgroundShift));
        peak = std::max<uint8_t>(peak, g[x]);
    }
    return marks != 0;
}

} // namespace

// Marks the pixels from `from` to `to` of a row: weight = rise above the background minus the
// needed rise, plus one, so a pixel that rises exactly by it counts (0: not a laser pixel).
// Also the detection value, the peak, the count of pixels that changed by ChangeLevel either
// way, the sum of every pixel's distance from the background, and the background moved 1/8 of
// the way to the picture.
bool MarkRow(const uint8_t *g, int16_t *bg, uint8_t *w, uint8_t *det, int from, int to,
             int threshold, int gain, uint8_t &peak, int &changed, int64_t &deviation,
             DimBlocks &dim, int64_t &backgroundSum)
{
    int x = from;
    int64_t halves = 0;
    RowTotals wide;
#if defined(__x86_64__) || defined(__i386__)
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2) {
        x = MarkBlocksAvx2(g, bg, w, det, from, to, threshold, gain, wide);
        changed += int(wide.changed);
        deviation += wide.deviation;
        peak = std::max(peak, wide.peak);
        halves = wide.halves;
    }
#endif
#ifdef __SSE2__
    // (b << 4) x gain >> 16 is b x gain >> GainBits: the lit background, below 2^15.
    static_assert(FractionBits + 8 <= 12 && GainBits == 12, "lit background fits 16 bits");
    const __m128i gains = _mm_set1_epi16(short(gain));
    // Sixteen pixels at a time with saturating byte arithmetic; the same result as the scalar
    // loop, which finishes the row.
    const __m128i white = _mm_set1_epi16(255 << FractionBits);
    const __m128i scale = _mm_set1_epi16(short(EdgeScale(threshold)));
    const __m128i least = _mm_set1_epi8(char(LeastRise(threshold)));
    const __m128i one = _mm_set1_epi8(1);
    const __m128i zero = _mm_setzero_si128();
    const __m128i changeLevel = _mm_set1_epi8(char(ChangeLevel - 1));
    __m128i rises = _mm_set1_epi8(char(wide.rise));
    __m128i marks = zero;
    __m128i peaks = zero;
    __m128i changes = zero;
    __m128i deviations = zero;
    const __m128i ones = _mm_set1_epi16(1);
    __m128i bgSums = zero;
    for (; x + 16 <= to; x += 16) {
        const __m128i grey = _mm_loadu_si128(reinterpret_cast<const __m128i *>(g + x));
        __m128i b0 = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bg + x));
        __m128i b1 = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bg + x + 8));
        const __m128i l0 = _mm_min_epi16(white, _mm_mulhi_epu16(_mm_slli_epi16(b0, 4), gains));
        const __m128i l1 = _mm_min_epi16(white, _mm_mulhi_epu16(_mm_slli_epi16(b1, 4), gains));
        const __m128i bInt =
            _mm_packus_epi16(_mm_srai_epi16(l0, FractionBits), _mm_srai_epi16(l1, FractionBits));
        const __m128i share = _mm_packus_epi16(
            _mm_mulhi_epu16(_mm_sub_epi16(white, l0), scale),
            _mm_mulhi_epu16(_mm_sub_epi16(white, l1), scale));
        const __m128i need = _mm_max_epu8(least, share);
        const __m128i level = _mm_adds_epu8(bInt, _mm_subs_epu8(need, one));
        const __m128i weight = _mm_subs_epu8(grey, level);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(w + x), weight);
        marks = _mm_or_si128(marks, weight);
        const __m128i unlit = _mm_cmpeq_epi8(weight, zero);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(det + x),
                         _mm_and_si128(unlit, _mm_max_epu8(grey, one)));
        // |grey - background| >= ChangeLevel, as 1 per changed byte, summed by SAD.
        const __m128i rise = _mm_subs_epu8(grey, bInt);
        rises = _mm_max_epu8(rises, rise);
        const __m128i diff = _mm_or_si128(rise, _mm_subs_epu8(bInt, grey));
        const __m128i isChanged = _mm_min_epu8(_mm_subs_epu8(diff, changeLevel), one);
        changes = _mm_add_epi64(changes, _mm_sad_epu8(isChanged, zero));
        deviations = _mm_add_epi64(deviations, _mm_sad_epu8(diff, zero));
        const __m128i g0 = _mm_slli_epi16(_mm_unpacklo_epi8(grey, zero), FractionBits);
        const __m128i g1 = _mm_slli_epi16(_mm_unpackhi_epi8(grey, zero), FractionBits);
        b0 = _mm_add_epi16(b0, _mm_srai_epi16(_mm_sub_epi16(g0, b0), BackgroundShift));
        b1 = _mm_add_epi16(b1, _mm_srai_epi16(_mm_sub_epi16(g1, b1), BackgroundShift));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(bg + x), b0);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(bg + x + 8), b1);
        bgSums = _mm_add_epi32(
            bgSums, _mm_madd_epi16(_mm_add_epi16(_mm_srai_epi16(b0, 1), _mm_srai_epi16(b1, 1)), ones));
        peaks = _mm_max_epu8(peaks, grey);
    }
    alignas(16) int32_t s32[4];
    _mm_store_si128(reinterpret_cast<__m128i *>(s32), bgSums);
    halves += int64_t(s32[0]) + s32[1] + s32[2] + s32[3];
    alignas(16) uint8_t lanes[16];
    _mm_store_si128(reinterpret_cast<__m128i *>(lanes), peaks);
    for (uint8_t v : lanes)
        peak = std::max(peak, v);
    alignas(16) int64_t counts[2];
    _mm_store_si128(reinterpret_cast<__m128i *>(counts), changes);
    changed += int(counts[0] + counts[1]);
    _mm_store_si128(reinterpret_cast<__m128i *>(counts), deviations);
    deviation += counts[0] + counts[1];
    // Where some pixel rose by the dim level, the runs that hold one are places where a dim
    // spot may be. Few rows have one: they are looked at again, against the background already
    // moved an eighth of the way to the picture, so by three quarters of that rise.
    if (!dim.Overflowed()
        && _mm_movemask_epi8(_mm_cmpeq_epi8(
               _mm_subs_epu8(rises, _mm_set1_epi8(char(dim.level - 1))), zero))
            != 0xffff) {
        const __m128i less = _mm_set1_epi8(char(std::max(0, dim.level * 3 / 4 - 1)));
        for (int r = from; r + 16 <= x; r += 16) {
            const __m128i grey = _mm_loadu_si128(reinterpret_cast<const __m128i *>(g + r));
            const __m128i b0 = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bg + r));
            const __m128i b1 = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bg + r + 8));
            const __m128i l0 = _mm_min_epi16(white, _mm_mulhi_epu16(_mm_slli_epi16(b0, 4), gains));
            const __m128i l1 = _mm_min_epi16(white, _mm_mulhi_epu16(_mm_slli_epi16(b1, 4), gains));
            const __m128i bInt = _mm_packus_epi16(_mm_srai_epi16(l0, FractionBits),
                                                  _mm_srai_epi16(l1, FractionBits));
            const __m128i rise = _mm_subs_epu8(_mm_subs_epu8(grey, bInt), less);
            if (_mm_movemask_epi8(_mm_cmpeq_epi8(rise, zero)) != 0xffff)
                dim.Add(r);
        }
    }
#endif
    bool marked = wide.marked;
#ifdef __SSE2__
    marked = marked || _mm_movemask_epi8(_mm_cmpeq_epi8(marks, zero)) != 0xffff;
#endif
    marked = MarkRowScalar(g, bg, w, det, x, to, threshold, gain, peak, changed, deviation, dim)
        || marked;
    // The moved background's light as BackgroundRowSum weighs it, for the next frame's gain.
    backgroundSum = halves * 2;
    for (; x < to; ++x)
        backgroundSum += bg[x];
    return marked;
}

// The light of a row of the background (four fraction bits) as the gain weighs it: in steps of
// sixteen pixels each level's half counted twice, so that sixteen of them fit 16-bit lanes.
// MarkRow leaves the same sum of the background it moved, and the next frame's gain needs no
// second pass over it.
int64_t BackgroundRowSum(const int16_t *bg, int width)
{
    int64_t sum = 0;
    int x = 0;
#ifdef __SSE2__
    for (; x + 16 <= width; x += 16)
        for (int k = 0; k < 16; ++k)
            sum += (bg[x + k] >> 1) * 2;
#endif
    for (; x < width; ++x)
        sum += bg[x];
    return sum;
}

// The gain (GainBits fraction bits) that lights a row's background, whose light backgroundSum
// holds, as the row is lit now: the ratio of their sums, within what flicker and exposure steps
// do. A laser spot adds too little to a whole row to move it; dark rows, where noise is most of
// the light, keep gain 1.
int RowGain(const uint8_t *g, int64_t backgroundSum, int width)
{
    int64_t picture = 0;
    int x = 0;
#ifdef __SSE2__
    const __m128i zero = _mm_setzero_si128();
    __m128i sums = zero;
    for (; x + 16 <= width; x += 16)
        sums = _mm_add_epi64(
            sums, _mm_sad_epu8(_mm_loadu_si128(reinterpret_cast<const __m128i *>(g + x)), zero));
    alignas(16) int64_t s64[2];
    _mm_store_si128(reinterpret_cast<__m128i *>(s64), sums);
    picture = s64[0] + s64[1];
#endif
    for (; x < width; ++x)
        picture += g[x];
    const int64_t background = backgroundSum >> FractionBits;
    if (background < int64_t(width) * DarkRowLevel)
        return 1 << GainBits;
    const int64_t gain = (picture << GainBits) / background;
    return int(std::clamp<int64_t>(gain, LeastRowGain, MostRowGain));
}

void FollowRow(const uint8_t *g, uint16_t *memory, int width)
{
    int x = 0;
#ifdef __SSE2__
    const __m128i zero = _mm_setzero_si128();
    for (; x + 16 <= width; x += 16) {
        const __m128i grey = _mm_loadu_si128(reinterpret_cast<const __m128i *>(g + x));
        for (int half = 0; half < 2; ++half) {
            __m128i *m = reinterpret_cast<__m128i *>(memory + x + 8 * half);
            const __m128i target = half ? _mm_unpackhi_epi8(zero, grey) : _mm_unpacklo_epi8(zero, grey);
            const __m128i old = _mm_loadu_si128(m);
            const __m128i up = _mm_srli_epi16(_mm_subs_epu16(target, old), MemoryShift);
            const __m128i down = _mm_srli_epi16(_mm_subs_epu16(old, target), MemoryShift);
            _mm_storeu_si128(m, _mm_sub_epi16(_mm_add_epi16(old, up), down));
        }
    }
#endif
    for (; x < width; ++x) {
        const int target = g[x] << 8, old = memory[x];
        memory[x] = uint16_t(old + (target > old ? (target - old) >> MemoryShift
                                                 : -((old - target) >> MemoryShift)));
    }
}

} // namespace RowMarking
