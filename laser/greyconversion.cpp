// SPDX-License-Identifier: LGPL-2.1-or-later
// GreyConversion: BGR rows to grey, four pixels per shuffle, in 128-bit or 256-bit steps.
#include "greyconversion.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
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

// Eight pixels, four per 128-bit lane, the same sums as FourGrey.
__attribute__((target("avx2"))) inline __m256i EightGrey(const uint8_t *p)
{
    const __m256i blueGreen = _mm256_setr_epi8(0, -1, 1, -1, 3, -1, 4, -1, 6, -1, 7, -1, 9, -1, 10, -1,
                                               0, -1, 1, -1, 3, -1, 4, -1, 6, -1, 7, -1, 9, -1, 10, -1);
    const __m256i red = _mm256_setr_epi8(2, -1, -1, -1, 5, -1, -1, -1, 8, -1, -1, -1, 11, -1, -1, -1,
                                         2, -1, -1, -1, 5, -1, -1, -1, 8, -1, -1, -1, 11, -1, -1, -1);
    const __m256i bgWeights = _mm256_set1_epi32(BlueWeight | (GreenWeight << 16));
    const __m256i rWeights = _mm256_set1_epi32(RedWeight);
    const __m256i half = _mm256_set1_epi32(Half);
    const __m256i v = _mm256_inserti128_si256(
        _mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i *>(p))),
        _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + 12)), 1);
    const __m256i sum = _mm256_add_epi32(_mm256_madd_epi16(_mm256_shuffle_epi8(v, blueGreen), bgWeights),
                                         _mm256_madd_epi16(_mm256_shuffle_epi8(v, red), rWeights));
    return _mm256_srli_epi32(_mm256_add_epi32(sum, half), Shift);
}

// Packing works within 128-bit lanes: each pack is followed by putting the quarters in order.
__attribute__((target("avx2"))) int BgrRowToGreyAvx2(const uint8_t *bgr, uint8_t *grey, int width)
{
    int x = 0;
    for (; 3 * (x + 28) + 16 <= 3 * width; x += 32) {
        const __m256i low = _mm256_permute4x64_epi64(
            _mm256_packs_epi32(EightGrey(bgr + 3 * x), EightGrey(bgr + 3 * (x + 8))), 0xd8);
        const __m256i high = _mm256_permute4x64_epi64(
            _mm256_packs_epi32(EightGrey(bgr + 3 * (x + 16)), EightGrey(bgr + 3 * (x + 24))), 0xd8);
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(grey + x),
                            _mm256_permute4x64_epi64(_mm256_packus_epi16(low, high), 0xd8));
    }
    return x;
}
#endif

} // namespace

void BgrRowToGrey(const uint8_t *bgr, uint8_t *grey, int width)
{
    int x = 0;
#if defined(__x86_64__) || defined(__i386__)
    static const bool wide = __builtin_cpu_supports("avx2");
    static const bool shuffles = __builtin_cpu_supports("ssse3");
    if (wide)
        x = BgrRowToGreyAvx2(bgr, grey, width);
    if (shuffles)
        x += BgrRowToGreySsse3(bgr + 3 * x, grey + x, width - x);
#endif
    BgrRowToGreyScalar(bgr, grey, x, width);
}
