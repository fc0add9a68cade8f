// SpotDetector: background difference, per-row marking and flood fill of laser spots.
#include "spotdetector.h"

#include <algorithm>
#include <cstring>

namespace {

// Background follows the picture with 1/8 of the difference per frame: a spot that appears
// stands out at once, lighting that drifts is absorbed within a few frames. It is kept with
// four fraction bits so that every step fits 16-bit lanes and the row loop vectorises.
constexpr int BackgroundShift = 3;
constexpr int FractionBits = 4;
// Areas beyond this count are not traced: a frame that is suddenly bright everywhere (a light
// switched on) must not cost the whole frame time.
constexpr size_t MaxAreas = 256;

void MarkRow(const uint8_t *__restrict g, int16_t *__restrict bg, uint8_t *__restrict w,
             uint8_t *__restrict det, int width, int16_t threshold, uint8_t &peak)
{
    uint8_t rowPeak = 0;
    for (int x = 0; x < width; ++x) {
        const int16_t grey = g[x];
        const int16_t b = bg[x];
        const int16_t d = int16_t(grey - (b >> FractionBits) - threshold);
        const int16_t weight = d >= 0 ? (d < 255 ? int16_t(d + 1) : int16_t(255)) : int16_t(0);
        w[x] = uint8_t(weight);
        det[x] = weight ? uint8_t(0) : uint8_t(grey > 1 ? grey : 1);
        bg[x] = int16_t(b + ((int16_t(grey << FractionBits) - b) >> BackgroundShift));
        rowPeak = g[x] > rowPeak ? g[x] : rowPeak;
    }
    peak = rowPeak > peak ? rowPeak : peak;
}

} // namespace

void SpotDetector::Reset()
{
    primed = false;
}

int SpotDetector::Detect(const uint8_t *grey, int greyStride, int width, int height, bool bottomUp,
                         uint8_t *detection, int detectionStride, const DetectorThresholds &t,
                         std::vector<Spot> &spots)
{
    spots.clear();
    if (width != bgWidth || height != bgHeight) {
        background.assign(size_t(width) * height, 0);
        weight.assign(size_t(width) * height, 0);
        bgWidth = width;
        bgHeight = height;
        primed = false;
    }
    if (!primed) {
        for (int y = 0; y < height; ++y) {
            const uint8_t *g = grey + size_t(y) * greyStride;
            int16_t *bg = background.data() + size_t(y) * width;
            for (int x = 0; x < width; ++x)
                bg[x] = int16_t(g[x] << FractionBits);
        }
        primed = true;
    }
    const int16_t threshold = int16_t(std::clamp(t.luminance, 0, 255));
    uint8_t peak = 0;
    for (int y = 0; y < height; ++y)
        MarkRow(grey + size_t(y) * greyStride, background.data() + size_t(y) * width,
                weight.data() + size_t(y) * width, detection + size_t(y) * detectionStride, width,
                threshold, peak);

    // Find marked pixels eight at a time; the fill clears what it visits.
    const size_t total = size_t(width) * height;
    uint8_t *w = weight.data();
    size_t i = 0;
    while (i < total) {
        if (i + 8 <= total) {
            uint64_t word;
            std::memcpy(&word, w + i, 8);
            if (word == 0) {
                i += 8;
                continue;
            }
        }
        if (w[i]) {
            if (spots.size() < MaxAreas)
                Fill(int(i), width, height, bottomUp, t, spots);
            else
                w[i] = 0;
        }
        ++i;
    }
    return peak;
}

void SpotDetector::Fill(int start, int width, int height, bool bottomUp,
                        const DetectorThresholds &t, std::vector<Spot> &spots)
{
    uint8_t *w = weight.data();
    double sum = 0.0, sx = 0.0, sy = 0.0;
    int count = 0;
    // Pixels are cleared as they are pushed, so none is counted twice.
    const int first = w[start];
    w[start] = 0;
    sx += first * (start % width + 0.5);
    sy += first * (start / width + 0.5);
    sum += first;
    count = 1;
    stack.clear();
    stack.push_back(start);
    while (!stack.empty()) {
        const int p = stack.back();
        stack.pop_back();
        const int px = p % width, py = p / width;
        for (int dy = -1; dy <= 1; ++dy) {
            const int ny = py + dy;
            if (ny < 0 || ny >= height)
                continue;
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = px + dx;
                if (nx < 0 || nx >= width)
                    continue;
                const int q = ny * width + nx;
                const int wq = w[q];
                if (!wq)
                    continue;
                w[q] = 0;
                sx += wq * (nx + 0.5);
                sy += wq * (ny + 0.5);
                sum += wq;
                ++count;
                stack.push_back(q);
            }
        }
    }
    if (count < t.minSize || count > t.maxSize || sum <= 0.0)
        return;
    Spot s;
    s.x = sx / sum;
    s.y = sy / sum;
    if (bottomUp)
        s.y = height - s.y;
    s.strength = sum;
    s.pixels = count;
    spots.push_back(s);
}
