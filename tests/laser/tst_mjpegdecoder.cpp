// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the MJPEG decoder on frames encoded here: sizes with and without DCT scaling, the
// picture it gives, and damaged frames refused without harm to the next one.
#include "mjpegdecoder.h"
#include "v4l2source.h"

#include <QtTest>

#include <linux/videodev2.h>
#include <turbojpeg.h>
#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

namespace {

// Vertical colour bars with a white square: edges in both directions, known colours.
cv::Mat TestPicture(int width, int height)
{
    cv::Mat picture(height, width, CV_8UC3);
    const cv::Scalar bars[4] = {{40, 120, 200}, {200, 60, 30}, {90, 200, 90}, {128, 128, 128}};
    for (int i = 0; i < 4; ++i)
        picture(cv::Rect(i * width / 4, 0, width / 4, height)).setTo(bars[i]);
    cv::rectangle(picture, cv::Rect(width / 2 - width / 16, height / 2 - height / 16, width / 8, height / 8),
                  cv::Scalar::all(255), cv::FILLED);
    return picture;
}

std::vector<uint8_t> Encode(const cv::Mat &picture)
{
    std::vector<uint8_t> jpeg;
    cv::imencode(".jpg", picture, jpeg, {cv::IMWRITE_JPEG_QUALITY, 90});
    return jpeg;
}

// Mean absolute difference per channel between two pictures of one size.
double Difference(const cv::Mat &a, const cv::Mat &b)
{
    cv::Mat d;
    cv::absdiff(a, b, d);
    const cv::Scalar m = cv::mean(d);
    return (m[0] + m[1] + m[2]) / 3.0;
}

} // namespace

class TestMjpegDecoder : public QObject
{
    Q_OBJECT

private slots:
    // The frame's size against the asked size: reduced only where both axes keep the asked size.
    void sizes_data()
    {
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QSize>("asked");
        QTest::addColumn<QSize>("decoded");
        QTest::newRow("as asked") << QSize(640, 480) << QSize(640, 480) << QSize(640, 480);
        QTest::newRow("1280x960 halves") << QSize(1280, 960) << QSize(640, 480) << QSize(640, 480);
        QTest::newRow("1280x720 keeps its rows") << QSize(1280, 720) << QSize(640, 480) << QSize(1280, 720);
        QTest::newRow("1920x1080 halves") << QSize(1920, 1080) << QSize(640, 480) << QSize(960, 540);
        QTest::newRow("2560x1920 quarters") << QSize(2560, 1920) << QSize(640, 480) << QSize(640, 480);
        QTest::newRow("odd size rounds up") << QSize(1282, 962) << QSize(640, 480) << QSize(641, 481);
        QTest::newRow("smaller than asked") << QSize(320, 240) << QSize(640, 480) << QSize(320, 240);
        QTest::newRow("no size asked") << QSize(1280, 960) << QSize(0, 0) << QSize(1280, 960);
    }
    void sizes()
    {
        QFETCH(QSize, frame);
        QFETCH(QSize, asked);
        QFETCH(QSize, decoded);
        const cv::Mat original = TestPicture(frame.width(), frame.height());
        const std::vector<uint8_t> jpeg = Encode(original);
        MjpegDecoder decoder;
        cv::Mat picture;
        QVERIFY(decoder.Decode(jpeg.data(), jpeg.size(), asked.width(), asked.height(), picture));
        QCOMPARE(QSize(picture.cols, picture.rows), decoded);
        QCOMPARE(picture.type(), CV_8UC3);
        // The picture is the frame, shrunk where it was: compared with the original shrunk alike.
        cv::Mat expected;
        cv::resize(original, expected, picture.size(), 0, 0, cv::INTER_AREA);
        QVERIFY2(Difference(picture, expected) < 3.0, qPrintable(QString::number(Difference(picture, expected))));
        // A bar's colour in BGR order, away from edges.
        const cv::Vec3b bar = picture.at<cv::Vec3b>(picture.rows / 4, picture.cols / 8);
        QVERIFY(qAbs(bar[0] - 40) <= 4 && qAbs(bar[1] - 120) <= 4 && qAbs(bar[2] - 200) <= 4);

        // Asked to, a picture of exactly the asked size comes bottom row first into the given
        // buffer; any other size stays top row first.
        std::vector<uint8_t> buffer(size_t(picture.step) * size_t(picture.rows));
        cv::Mat into(picture.rows, picture.cols, CV_8UC3, buffer.data(), picture.step);
        bool bottomUp = true;
        QVERIFY(decoder.Decode(jpeg.data(), jpeg.size(), asked.width(), asked.height(), into, &bottomUp));
        QCOMPARE(into.data, buffer.data());
        QCOMPARE(bottomUp, decoded == asked);
        cv::Mat upright;
        cv::flip(into, upright, 0);
        QCOMPARE(cv::norm(bottomUp ? upright : into, picture, cv::NORM_INF), 0.0);
    }

    // Truncated, corrupt and foreign data are refused; the decoder then decodes the next good
    // frame into the same buffer.
    void damagedFrames()
    {
        const std::vector<uint8_t> good = Encode(TestPicture(640, 480));
        std::vector<uint8_t> truncated(good.begin(), good.begin() + long(good.size() * 2 / 3));
        // Scan data overwritten in the middle: bytes no Huffman table decodes.
        std::vector<uint8_t> corrupt = good;
        for (size_t i = corrupt.size() / 2; i < corrupt.size() / 2 + 400; ++i)
            corrupt[i] = uint8_t(i * 37 % 251 == 0xff ? 0 : i * 37 % 251);
        // The header intact, the scan cut short: a camera that lost the end of a frame on the bus.
        std::vector<uint8_t> headerOnly(good.begin(), good.begin() + 700);
        const std::vector<uint8_t> noise(5000, 0x5a);

        MjpegDecoder decoder;
        cv::Mat picture;
        QVERIFY(decoder.Decode(good.data(), good.size(), 640, 480, picture));
        const uchar *buffer = picture.data;
        QVERIFY(!decoder.Decode(truncated.data(), truncated.size(), 640, 480, picture));
        QVERIFY(!decoder.Decode(corrupt.data(), corrupt.size(), 640, 480, picture));
        QVERIFY(!decoder.Decode(headerOnly.data(), headerOnly.size(), 640, 480, picture));
        QVERIFY(!decoder.Decode(noise.data(), noise.size(), 640, 480, picture));
        QVERIFY(!decoder.Decode(good.data(), 0, 640, 480, picture));
        QVERIFY(!decoder.Decode(nullptr, 100, 640, 480, picture));
        QVERIFY(decoder.Decode(good.data(), good.size(), 640, 480, picture));
        QCOMPARE(picture.data, buffer); // reused, not allocated per frame
        QVERIFY(Difference(picture, TestPicture(640, 480)) < 3.0);
    }

    // Many UVC webcams send their MJPEG frames without Huffman tables (no DHT segment): the
    // decoder must fall back to the standard tables, as the JPEG standard's MJPEG usage asks.
    void framesWithoutHuffmanTables()
    {
        const cv::Mat original = TestPicture(640, 480);
        const std::vector<uint8_t> full = Encode(original);
        std::vector<uint8_t> stripped;
        size_t i = 2;
        stripped.assign(full.begin(), full.begin() + 2); // SOI
        int removed = 0;
        // Copy marker segments up to the start of scan, leaving out every DHT (FF C4).
        while (i + 4 <= full.size() && full[i] == 0xff && full[i + 1] != 0xda) {
            const size_t length = size_t(full[i + 2]) << 8 | full[i + 3];
            if (full[i + 1] == 0xc4)
                ++removed;
            else
                stripped.insert(stripped.end(), full.begin() + long(i), full.begin() + long(i + 2 + length));
            i += 2 + length;
        }
        stripped.insert(stripped.end(), full.begin() + long(i), full.end());
        QVERIFY(removed > 0);
        MjpegDecoder decoder;
        cv::Mat picture;
        QVERIFY(decoder.Decode(stripped.data(), stripped.size(), 640, 480, picture));
        QVERIFY(Difference(picture, original) < 3.0);
    }

    // Webcams subsample colour 4:2:2 (OpenCV writes 4:2:0): such a frame, written by TurboJPEG's
    // own encoder, decodes whole and halved.
    void webcamSubsampling()
    {
        const cv::Mat original = TestPicture(1280, 960);
        tjhandle encoder = tjInitCompress();
        QVERIFY(encoder);
        unsigned char *jpeg = nullptr;
        unsigned long size = 0;
        const int r = tjCompress2(encoder, original.data, 1280, int(original.step), 960, TJPF_BGR, &jpeg, &size,
                                  TJSAMP_422, 85, 0);
        tjDestroy(encoder);
        QCOMPARE(r, 0);
        MjpegDecoder decoder;
        cv::Mat whole, half;
        const bool wholeOk = decoder.Decode(jpeg, size, 0, 0, whole);
        const bool halfOk = decoder.Decode(jpeg, size, 640, 480, half);
        tjFree(jpeg);
        QVERIFY(wholeOk && halfOk);
        QVERIFY(Difference(whole, original) < 3.0);
        cv::Mat shrunk;
        cv::resize(original, shrunk, cv::Size(640, 480), 0, 0, cv::INTER_AREA);
        QCOMPARE(half.cols, 640);
        QVERIFY(Difference(half, shrunk) < 3.0);
    }

    // The capture path's decoding picks the decoder for MJPEG and keeps the asked size.
    void capturedBuffer()
    {
        const std::vector<uint8_t> jpeg = Encode(TestPicture(1280, 960));
        MjpegDecoder decoder;
        cv::Mat picture;
        QVERIFY(DecodeV4L2Frame(decoder, V4L2_PIX_FMT_MJPEG, jpeg.data(), jpeg.size(), 1280, 960, 0, 640, 480,
                                picture));
        QCOMPARE(picture.cols, 640);
        // A driver's bytesused of 0 is no frame.
        QVERIFY(!DecodeV4L2Frame(decoder, V4L2_PIX_FMT_MJPEG, jpeg.data(), 0, 1280, 960, 0, 640, 480, picture));
        // Without a decoder of its own, the frame comes at full size.
        QVERIFY(DecodeV4L2Frame(V4L2_PIX_FMT_MJPEG, jpeg.data(), jpeg.size(), 1280, 960, 0, picture));
        QCOMPARE(picture.cols, 1280);
    }
};

QTEST_GUILESS_MAIN(TestMjpegDecoder)
#include "tst_mjpegdecoder.moc"
