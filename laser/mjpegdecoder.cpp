// SPDX-License-Identifier: LGPL-2.1-or-later
// MjpegDecoder: header, scale choice and decompression with TurboJPEG.
#include "mjpegdecoder.h"

#include <turbojpeg.h>

MjpegDecoder::MjpegDecoder() : handle(tjInitDecompress()) {}

MjpegDecoder::~MjpegDecoder()
{
    if (handle)
        tjDestroy(static_cast<tjhandle>(handle));
}

int MjpegDecoder::Reduction(int width, int height, int wantWidth, int wantHeight)
{
    if (wantWidth <= 0 || wantHeight <= 0)
        return 1;
    for (int d : {4, 2}) {
        // TurboJPEG rounds scaled sizes up.
        if ((width + d - 1) / d >= wantWidth && (height + d - 1) / d >= wantHeight)
            return d;
    }
    return 1;
}

bool MjpegDecoder::Decode(const void *data, size_t bytes, int wantWidth, int wantHeight, cv::Mat &picture,
                          bool *bottomUp)
{
    if (bottomUp)
        *bottomUp = false;
    if (!handle || !data || bytes == 0 || bytes > 0x7fffffff)
        return false;
    auto *tj = static_cast<tjhandle>(handle);
    const auto *jpeg = static_cast<const unsigned char *>(data);
    int width = 0, height = 0, subsampling = 0, colourspace = 0;
    if (tjDecompressHeader3(tj, jpeg, static_cast<unsigned long>(bytes), &width, &height, &subsampling,
                            &colourspace)
            != 0
        || width <= 0 || height <= 0)
        return false;
    const int d = Reduction(width, height, wantWidth, wantHeight);
    const int w = (width + d - 1) / d;
    const int h = (height + d - 1) / d;
    picture.create(h, w, CV_8UC3);
    const bool flipped = bottomUp && w == wantWidth && h == wantHeight;
    // A warning (a frame cut short by the camera, bad data) stops decoding: such a picture
    // would be partly grey, and a grey band moving in is exactly what detection reacts to.
    // Colour is taken at its coded resolution (each chroma sample for its block of pixels)
    // rather than smoothed between samples: a laser core is white in every channel, and
    // smoothing is a tenth of the decoding time.
    const int flags = TJFLAG_STOPONWARNING | TJFLAG_FASTUPSAMPLE | (flipped ? TJFLAG_BOTTOMUP : 0);
    if (tjDecompress2(tj, jpeg, static_cast<unsigned long>(bytes), picture.data, w, int(picture.step), h, TJPF_BGR,
                      flags)
        != 0)
        return false;
    if (bottomUp)
        *bottomUp = flipped;
    return true;
}
