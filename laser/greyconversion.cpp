// SPDX-License-Identifier: LGPL-2.1-or-later
// GreyConversion: BGR rows to grey, four pixels per shuffle.
#include "greyconversion.h"

#if defined(__x86_64__) || defined(__i386__)
#include <tmmintrin.h>
#endif

namespace {

constexpr int Shift = 15;
constexpr int BlueWeight = 3735;
constexpr int GreenWeight = 19235;
constexpr int RedWeight = 9798;
constexpr int Half = 1 << (Shift - 1);

void BgrRowToGreyScalar(const uint8_t *bgr, uint8_t *grey, int from, int to)
{
    for (int x = from; x < to; ++x) {
        const uint8_t *p = bgr + 3 * x;
        grey[x] = uint8_t((p[0] * BlueWeight + p[1] * GreenWeight + p[2] * RedWeight + Half) >> Shift);
    }
}

#if defined(__x86_64__) || defined(__i386__)
// Sixteen bytes hold four whole pixels: their blue and green as 16-bit pairs, and their red
// beside a zero, each pair weighed and summed by one multiply-add.
__attribute__((target("ssse3"))) inline __m128i FourGrey(const uint8_t *p)
{
    const __m128i blueGreen = _mm_setr_epi8(0, -1, 1, -1, 3, -1, 4, -1, 6, -1, 7, -1, 9, -1, 10, -1);
    const __m128i red = _mm_setr_epi8(2, -1, -1, -1, 5, -1, -1, -1, 8, -1, -1, -1, 11, -1, -1, -1);
    const __m128i bgWeights = _mm_setr_epi16(BlueWeight, GreenWeight, BlueWeight, GreenWeight,
                                             BlueWeight, GreenWeight, BlueWeight, GreenWeight);
    const __m128i rWeights = _mm_setr_epi16(RedWeight, 0, RedWeight, 0, RedWeight, 0, RedWeight, 0);
    const __m128i half = _mm_set1_epi32(Half);
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
    const __m128i sum = _mm_add_epi32(_mm_madd_epi16(_mm_shuffle_epi8(v, blueGreen), bgWeights),
                                      _mm_madd_epi16(_mm_shuffle_epi8(v, red), rWeights));
    return _mm_srli_epi32(_mm_add_epi32(sum, half), Shift);
}

__attribute__((target("ssse3"))) int BgrRowToGreySsse3(const uint8_t *bgr, uint8_t *grey, int width)
{
    int x = 0;
    // The last load of a step reads 16 bytes from pixel x + 12: the row must hold them.
    for (; 3 * (x + 12) + 16 <= 3 * width; x += 16) {
        const __m128i low = _mm_packs_epi32(FourGrey(bgr + 3 * x), FourGrey(bgr + 3 * (x + 4)));
        const __m128i high = _mm_packs_epi32(FourGrey(bgr + 3 * (x + 8)), FourGrey(bgr + 3 * (x + 12)));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(grey + x), _mm_packus_epi16(low, high));
    }
    return x;
}
#endif

} // namespace

void BgrRowToGrey(const uint8_t *bgr, uint8_t *grey, int width)
{
    int x = 0;
#if defined(__x86_64__) || defined(__i386__)
    static const bool shuffles = __builtin_cpu_supports("ssse3");
    if (shuffles)
        x = BgrRowToGreySsse3(bgr, grey, width);
#endif
    BgrRowToGreyScalar(bgr, grey, x, width);
}
