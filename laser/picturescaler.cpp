// PictureScaler: area averaging for shrinking, interpolation for growing.
#include "picturescaler.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cstring>

namespace {

constexpr int WeightBits = 8;
constexpr int WeightOne = 1 << WeightBits;
constexpr int Half = WeightOne / 2;

// Averages `count` equally weighted neighbouring pixels per output pixel (an integer factor).
template <int Factor>
void ShrinkRowBy(const uint8_t *in, uint8_t *out, int width)
{
    constexpr int Scale = (1 << 16) / Factor + 1; // x / Factor as (x * Scale) >> 16 for x < 765
    for (int i = 0; i < width; ++i, in += 3 * Factor, out += 3)
        for (int c = 0; c < 3; ++c) {
            int sum = Factor / 2;
            for (int k = 0; k < Factor; ++k)
                sum += in[3 * k + c];
            out[c] = uint8_t((sum * Scale) >> 16);
        }
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
    const int factor = picture.cols % width == 0 ? picture.cols / width : 0;
    for (int y = 0; y < height; ++y) {
        // Down the columns first: every byte of the row independently, which vectorises.
        const int start = rows.start[size_t(y)], count = rows.count[size_t(y)];
        const uint16_t *w = rows.weights.data() + rows.first[size_t(y)];
        const uint8_t *averaged = picture.ptr<uint8_t>(start);
        if (count > 1) {
            uint8_t *l = line.data();
            const uint8_t *r0 = picture.ptr<uint8_t>(start);
            const uint8_t *r1 = picture.ptr<uint8_t>(start + 1);
            const int w0 = w[0], w1 = w[1];
            if (count == 2) {
                for (int x = 0; x < sourceBytes; ++x)
                    l[x] = uint8_t((w0 * r0[x] + w1 * r1[x] + Half) >> WeightBits);
            } else if (count <= 4) {
                const uint8_t *r2 = picture.ptr<uint8_t>(start + 2);
                const int w2 = w[2];
                const int w3 = count > 3 ? w[3] : 0;
                const uint8_t *r3 = count > 3 ? picture.ptr<uint8_t>(start + 3) : r2;
                for (int x = 0; x < sourceBytes; ++x)
                    l[x] = uint8_t(
                        (w0 * r0[x] + w1 * r1[x] + w2 * r2[x] + w3 * r3[x] + Half) >> WeightBits);
            } else {
                // More than four source rows in one (a picture over four times too tall): rare.
                for (int x = 0; x < sourceBytes; ++x) {
                    int sum = Half;
                    for (int k = 0; k < count; ++k)
                        sum += w[k] * picture.ptr<uint8_t>(start + k)[x];
                    l[x] = uint8_t(sum >> WeightBits);
                }
            }
            averaged = l;
        }
        // Then along the row.
        uint8_t *o = out + size_t(bottomUp ? height - 1 - y : y) * outStride;
        switch (factor) {
        case 1: std::memcpy(o, averaged, size_t(width) * 3); break;
        case 2: ShrinkRowBy<2>(averaged, o, width); break;
        case 3: ShrinkRowBy<3>(averaged, o, width); break;
        case 4: ShrinkRowBy<4>(averaged, o, width); break;
        default: ShrinkRow(columns, averaged, o); break;
        }
    }
}
