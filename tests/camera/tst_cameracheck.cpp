// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the camera check's measuring classes: picture figures, capture figures with their
// findings, the centre shot test and the frame-rate watch of the status bar.
#include "capturecheck.h"
#include "laser.h"
#include "centreshottest.h"
#include "frameratewatch.h"
#include "picturecheck.h"

#include <QtTest>

#include <random>

extern "C" {
// The camera library's entry points, linked directly: the real pictures of a simulated camera.
int CamListDevices(void);
void CamSelectCamera(int number);
int CamInit(int device, int width, int height);
void CamFree(void);
int CamReadFrame(FrameBlock *block);
unsigned char *CamGetGreyBuf(void);
void CamDisableThreading(void);
}

Q_DECLARE_METATYPE(CaptureCheck::Findings)
Q_DECLARE_METATYPE(FrameRateWatch::State)
Q_DECLARE_METATYPE(LaserCaptureStats)

namespace {

// A grey picture of the given level with Gaussian noise, clipped to 0-255; rows padded to 4.
struct Picture
{
    Picture(int width, int height, int level, double noise, unsigned seed)
        : width(width), height(height), stride((width + 3) & ~3), pixels(size_t(stride) * height, 0)
    {
        std::mt19937 random(seed);
        std::normal_distribution<double> gauss(0.0, noise);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels[size_t(y) * stride + x] = uint8_t(qBound(0.0, std::round(level + gauss(random)), 255.0));
    }
    void Fill(QRect r, uint8_t v)
    {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                pixels[size_t(y) * stride + x] = v;
    }
    int width, height, stride;
    std::vector<uint8_t> pixels;
};

LaserCaptureStats Stats(double asked, double measured, int64_t delivered, int64_t dropped,
                        int64_t failures, int64_t ageUs)
{
    LaserCaptureStats s{};
    s.askedFps = asked;
    s.measuredFps = measured;
    s.framesDelivered = delivered;
    s.framesDropped = dropped;
    s.decodeFailures = failures;
    s.lastFrameAgeUs = ageUs;
    s.sequenceKnown = 1;
    return s;
}

} // namespace

class TestCameraCheck : public QObject
{
    Q_OBJECT

private slots:
    // Noise is found from picture to picture, whatever the scene's own texture; clipped pixels
    // and a moving bright thing do not count.
    void pictureFigures_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<double>("noise");
        QTest::addColumn<bool>("movingBlob");
        QTest::addColumn<int>("background");
        QTest::addColumn<double>("saturated");
        QTest::newRow("quiet grey wall") << 110 << 1.5 << false << 110 << 0.0;
        QTest::newRow("grainy dim room") << 60 << 8.0 << false << 60 << 0.0;
        QTest::newRow("hand moving through") << 110 << 3.0 << true << 110 << 0.0;
        QTest::newRow("near-white wall") << 235 << 3.0 << false << 235 << 0.0;
    }
    void pictureFigures()
    {
        QFETCH(int, level);
        QFETCH(double, noise);
        QFETCH(bool, movingBlob);
        QFETCH(int, background);
        QFETCH(double, saturated);
        PictureCheck check;
        for (unsigned k = 0; k < 6; ++k) {
            Picture p(161, 120, level, noise, k + 1);
            if (movingBlob) // a dark hand passing: 40 x 40 pixels at a new place every picture
                p.Fill(QRect(int(k) * 20, 30, 40, 40), 20);
            check.AddPicture(p.pixels.data(), p.width, p.height, p.stride);
        }
        const PictureCheck::Figures f = check.Result();
        QCOMPARE(f.pictures, 6);
        QVERIFY(qAbs(f.backgroundLevel - background) <= 1);
        QCOMPARE(f.saturatedShare, saturated);
        QVERIFY(f.noiseKnown);
        QVERIFY2(qAbs(f.noise - noise) < 0.15 * noise + 0.3, qPrintable(QString::number(f.noise)));
    }

    // On the library's own grey pictures of simulated cameras with known sensor noise (each
    // colour channel apart, so grey, a weighted mean, carries about two thirds of it; the
    // simulator reuses six noise patterns, so a pair is now and then identical).
    void noiseOfLibraryPictures()
    {
        QTemporaryDir dir;
        QStringList sources;
        for (int noise : {0, 1, 6}) {
            QFile f(dir.filePath(QString("noise%1.json").arg(noise)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QString(R"({"name": "Noise %1", "fps": 200, "noise": %1,
                "background": {"kind": "rings", "brightness": 130}, "loop": true})").arg(noise).toUtf8());
            sources << f.fileName();
        }
        qputenv("LASER_SOURCES", sources.join(';').toUtf8());
        CamDisableThreading();
        CamSelectCamera(0);
        QVector<double> measured;
        for (int k = 0; k < 3; ++k) {
            QVERIFY(CamInit(CamListDevices() - 3 + k, 640, 480) > 0);
            PictureCheck check;
            QElapsedTimer timer;
            timer.start();
            while (check.Result().pictures < 12 && timer.elapsed() < 10000) {
                FrameBlock block;
                if (CamReadFrame(&block) >= 0)
                    check.AddPicture(CamGetGreyBuf(), 640, 480, 640);
                else
                    QTest::qWait(2);
            }
            QCOMPARE(check.Result().pictures, 12);
            QVERIFY(check.Result().noiseKnown);
            measured << check.Result().noise;
            CamFree();
        }
        qunsetenv("LASER_SOURCES");
        const QString figures = QString("%1 %2 %3").arg(measured[0]).arg(measured[1]).arg(measured[2]);
        QVERIFY2(measured[0] < 0.05, qPrintable(figures));
        QVERIFY2(measured[1] > 0.3 && measured[1] < 1.0, qPrintable(figures));
        QVERIFY2(measured[2] > 2.5 && measured[2] < 4.5, qPrintable(figures));
    }

    void pictureSaturationAndEdges()
    {
        PictureCheck check;
        QVERIFY(!check.Result().noiseKnown);
        // A lamp covering a tenth of the picture, and a laser dot.
        Picture p(200, 100, 100, 0.0, 1);
        p.Fill(QRect(0, 0, 20, 100), 255);
        p.Fill(QRect(100, 50, 3, 3), 250);
        check.AddPicture(p.pixels.data(), p.width, p.height, p.stride);
        QCOMPARE(check.Result().saturatedShare, (2000 + 9) / 20000.0);
        QCOMPARE(check.Result().backgroundLevel, 100);
        QVERIFY(!check.Result().noiseKnown); // one picture has no noise figure
        // A picture of another size is not compared with the one before.
        Picture q(100, 100, 100, 5.0, 2);
        check.AddPicture(q.pixels.data(), q.width, q.height, q.stride);
        QVERIFY(!check.Result().noiseKnown);
        // Bad input is ignored.
        check.AddPicture(nullptr, 10, 10, 10);
        check.AddPicture(q.pixels.data(), 100, 100, 50);
        QCOMPARE(check.Result().pictures, 2);
        // All black: nothing to measure noise on.
        Picture black(100, 100, 0, 0.0, 3);
        check.Reset();
        check.AddPicture(black.pixels.data(), 100, 100, black.stride);
        check.AddPicture(black.pixels.data(), 100, 100, black.stride);
        QVERIFY(!check.Result().noiseKnown);
        QCOMPARE(check.Result().backgroundLevel, 0);
    }

    // Figures count from the start of the check; a camera reopened starts from zero.
    void captureFigures()
    {
        CaptureCheck check;
        check.Start(Stats(30, 30, 1000, 50, 3, 10000));
        check.Update(Stats(30, 29.5, 1100, 52, 4, 20000));
        CaptureCheck::Figures f = check.Result();
        QCOMPARE(f.delivered, int64_t(100));
        QCOMPARE(f.dropped, int64_t(2));
        QCOMPARE(f.decodeFailures, int64_t(1));
        QCOMPARE(f.droppedShare, 2.0 / 103.0);
        QCOMPARE(f.measuredFps, 29.5);
        QCOMPARE(f.lastFrameAgeSeconds, 0.02);
        QVERIFY(f.fromSequence);
        check.Update(Stats(30, 30, 40, 0, 0, 10000)); // reopened
        f = check.Result();
        QCOMPARE(f.delivered, int64_t(40));
        QCOMPARE(f.dropped, int64_t(0));
    }

    void findings_data()
    {
        using C = CaptureCheck;
        QTest::addColumn<LaserCaptureStats>("stats");
        QTest::addColumn<int>("background");
        QTest::addColumn<double>("saturated");
        QTest::addColumn<double>("noise");
        QTest::addColumn<CaptureCheck::Findings>("expected");
        const LaserCaptureStats good = Stats(30, 29.8, 300, 1, 0, 20000);
        QTest::newRow("all well") << good << 110 << 0.001 << 2.0 << C::Findings();
        QTest::newRow("5 fps in a dim room") << Stats(30, 5, 300, 0, 0, 20000) << 110 << 0.0 << 2.0
                                          << C::Findings(C::RateBelowAsked);
        QTest::newRow("rate just fine") << Stats(30, 25.6, 300, 0, 0, 20000) << 110 << 0.0 << 2.0 << C::Findings();
        QTest::newRow("stopped") << Stats(30, 0, 300, 0, 0, 1500000) << 110 << 0.0 << 2.0 << C::Findings(C::NoFrames);
        QTest::newRow("none yet") << Stats(30, 0, 0, 0, 0, -1) << 110 << 0.0 << 2.0 << C::Findings(C::NoFrames);
        QTest::newRow("drops") << Stats(30, 29, 300, 10, 0, 20000) << 110 << 0.0 << 2.0 << C::Findings(C::FramesDropped);
        QTest::newRow("damaged frames") << Stats(30, 29, 300, 0, 5, 20000) << 110 << 0.0 << 2.0
                                     << C::Findings(C::DecodeFailures);
        QTest::newRow("white wall") << good << 230 << 0.4 << 2.0 << C::Findings(C::BackgroundNearWhite);
        QTest::newRow("lamp in view") << good << 110 << 0.08 << 2.0 << C::Findings(C::ManySaturated);
        QTest::newRow("dot only") << good << 110 << 0.0002 << 2.0 << C::Findings();
        QTest::newRow("grainy") << good << 50 << 0.0 << 9.0 << C::Findings(C::Noisy);
        QTest::newRow("slow, grainy and bright") << Stats(60, 20, 300, 30, 0, 20000) << 210 << 0.3 << 7.0
                                              << (C::RateBelowAsked | C::FramesDropped | C::BackgroundNearWhite | C::Noisy);
    }
    void findings()
    {
        QFETCH(LaserCaptureStats, stats);
        QFETCH(int, background);
        QFETCH(double, saturated);
        QFETCH(double, noise);
        QFETCH(CaptureCheck::Findings, expected);
        CaptureCheck check;
        check.Start(LaserCaptureStats{});
        check.Update(stats);
        PictureCheck::Figures picture;
        picture.pictures = 5;
        picture.backgroundLevel = background;
        picture.saturatedShare = saturated;
        picture.noise = noise;
        picture.noiseKnown = true;
        QCOMPARE(CaptureCheck::Assess(check.Result(), picture), expected);
    }

    void centreShots_data()
    {
        QTest::addColumn<int>("expected");
        QTest::addColumn<QVector<QPointF>>("shots");
        QTest::addColumn<bool>("stop");
        QTest::addColumn<QVector<int>>("counts"); // seen, missed, stray
        QTest::addColumn<bool>("running");
        QTest::addColumn<double>("extremeSpread");
        const QPointF c(320, 240);
        QTest::newRow("all seen") << 3 << QVector<QPointF>{c + QPointF(3, 0), c + QPointF(-3, 0), c + QPointF(0, 4)}
                                  << false << QVector<int>{3, 0, 0} << false << 6.0;
        QTest::newRow("two missed") << 5 << QVector<QPointF>{c, c + QPointF(10, 0), c + QPointF(0, 10)} << true
                                    << QVector<int>{3, 2, 0} << false << 14.1421;
        QTest::newRow("still running") << 5 << QVector<QPointF>{c} << false << QVector<int>{1, 4, 0} << true << 0.0;
        QTest::newRow("reflection elsewhere") << 2 << QVector<QPointF>{c, QPointF(20, 20), c + QPointF(0, 6)} << false
                                              << QVector<int>{2, 0, 1} << false << 6.0;
        QTest::newRow("nothing seen") << 4 << QVector<QPointF>{} << true << QVector<int>{0, 4, 0} << false << 0.0;
    }
    void centreShots()
    {
        QFETCH(int, expected);
        QFETCH(QVector<QPointF>, shots);
        QFETCH(bool, stop);
        QFETCH(QVector<int>, counts);
        QFETCH(bool, running);
        QFETCH(double, extremeSpread);
        CentreShotTest test;
        QVERIFY(!test.AddShot(QPointF(320, 240))); // not started
        test.Start(expected, QPointF(320, 240), 80);
        for (const QPointF &p : shots)
            test.AddShot(p);
        if (stop)
            test.Stop();
        QCOMPARE(test.IsRunning(), running);
        const CentreShotTest::Result r = test.Outcome();
        QCOMPARE(QVector<int>({r.seen, r.missed, r.stray}), counts);
        QCOMPARE(r.expected, expected);
        QVERIFY(qAbs(r.extremeSpread - extremeSpread) < 1e-3);
    }

    void centreShotSpread()
    {
        CentreShotTest test;
        test.Start(4, QPointF(320, 240), 80);
        // A square of side 10 around (330, 250): 14 px off the centre, each corner 7.07 from it.
        for (QPointF p : {QPointF(325, 245), QPointF(335, 245), QPointF(325, 255), QPointF(335, 255)})
            QVERIFY(test.AddShot(p));
        QVERIFY(!test.IsRunning());
        QVERIFY(!test.AddShot(QPointF(320, 240))); // over: a later shot is not taken
        const CentreShotTest::Result r = test.Outcome();
        QCOMPARE(r.meanPoint, QPointF(330, 250));
        QVERIFY(qAbs(r.offset - std::sqrt(200.0)) < 1e-9);
        QVERIFY(qAbs(r.meanRadius - std::sqrt(50.0)) < 1e-9);
        QVERIFY(qAbs(r.extremeSpread - std::sqrt(200.0)) < 1e-9);
        // Restarting forgets the last run.
        test.Start(2, QPointF(0, 0), 10);
        QCOMPARE(test.Outcome().seen, 0);
        QVERIFY(test.IsRunning());
        test.Start(0, QPointF(0, 0), 10);
        QVERIFY(!test.IsRunning());
    }

    // The status bar's watch, polled every half second: (time ms, fps, last frame age ms, or
    // -1 for a camera not running) and the state after each poll.
    void frameRateWatch_data()
    {
        using S = FrameRateWatch::State;
        QTest::addColumn<QVector<QVector<double>>>("polls");
        QTest::addColumn<QVector<FrameRateWatch::State>>("states");
        QTest::newRow("steady 30 fps") << QVector<QVector<double>>{{0, 30, 10}, {4000, 30, 10}}
                                       << QVector<S>{S::Fine, S::Fine};
        QTest::newRow("slow while settling is forgiven")
            << QVector<QVector<double>>{{0, 5, 10}, {1000, 5, 10}, {2500, 30, 10}, {6000, 30, 10}}
            << QVector<S>{S::Fine, S::Fine, S::Fine, S::Fine};
        QTest::newRow("drops under 15 for two seconds")
            << QVector<QVector<double>>{{0, 30, 10}, {4000, 12, 80}, {5000, 12, 80}, {6000, 12, 80}, {6500, 16, 60}}
            << QVector<S>{S::Fine, S::Fine, S::Fine, S::Slow, S::Fine};
        QTest::newRow("one slow second does not warn")
            << QVector<QVector<double>>{{0, 30, 10}, {4000, 10, 80}, {5000, 30, 10}, {6500, 10, 80}}
            << QVector<S>{S::Fine, S::Fine, S::Fine, S::Fine};
        QTest::newRow("frames stop") << QVector<QVector<double>>{{0, 30, 10}, {4000, 0, 2500}, {5000, 30, 10}}
                                     << QVector<S>{S::Fine, S::Stopped, S::Fine};
        QTest::newRow("stopped at once, even settling") << QVector<QVector<double>>{{0, 0, 2100}}
                                                        << QVector<S>{S::Stopped};
        QTest::newRow("never a frame") << QVector<QVector<double>>{{0, 0, -1}, {2000, 0, -1}, {3500, 0, -1}}
                                       << QVector<S>{S::Fine, S::Fine, S::Stopped};
        QTest::newRow("switched off and on: settles again")
            << QVector<QVector<double>>{{0, 30, 10}, {4000, 30, 10}, {4500, -1, -1}, {5000, 5, 10}, {7500, 5, 10},
                                        {8100, 5, 10}}
            << QVector<S>{S::Fine, S::Fine, S::Fine, S::Fine, S::Fine, S::Slow};
    }
    void frameRateWatch()
    {
        QFETCH(QVector<QVector<double>>, polls);
        QFETCH(QVector<FrameRateWatch::State>, states);
        FrameRateWatch watch;
        for (int i = 0; i < polls.size(); ++i) {
            const QVector<double> &p = polls[i];
            LaserCaptureStats s = Stats(30, p[1], 100, 0, 0, qint64(p[2] * 1000));
            const FrameRateWatch::State state = watch.Update(2, p[1] < 0 ? nullptr : &s, qint64(p[0]));
            QVERIFY2(state == states[i], qPrintable(QString("poll %1").arg(i)));
            QCOMPARE(watch.StateOf(2), state);
            QCOMPARE(watch.StateOf(1), FrameRateWatch::State::Fine); // cameras are watched apart
        }
    }

    void frameRateWatchFigures()
    {
        FrameRateWatch watch;
        LaserCaptureStats s = Stats(30, 0, 100, 0, 0, 4200000);
        QCOMPARE(watch.Update(0, &s, 0), FrameRateWatch::State::Stopped);
        QCOMPARE(watch.StoppedSeconds(0), 4);
        s = Stats(30, 9.5, 100, 0, 0, 50000);
        watch.Update(0, &s, 3000);
        watch.Update(0, &s, 5100);
        QCOMPARE(watch.StateOf(0), FrameRateWatch::State::Slow);
        QCOMPARE(watch.Fps(0), 9.5);
        // A source set below the warning rate on purpose is not slow.
        s = Stats(10, 9.5, 100, 0, 0, 50000);
        QCOMPARE(watch.Update(0, &s, 9000), FrameRateWatch::State::Fine);
        QCOMPARE(watch.Update(7, &s, 9000), FrameRateWatch::State::Fine); // no such camera
    }
};

QTEST_GUILESS_MAIN(TestCameraCheck)
#include "tst_cameracheck.moc"
