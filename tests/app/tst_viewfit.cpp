// Tests of the view fitting geometry.
#include "viewfit.h"

#include <QtTest>

class TestViewFit : public QObject
{
    Q_OBJECT
private slots:
    void fit_data();
    void fit();
};

void TestViewFit::fit_data()
{
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<bool>("cam2");
    QTest::addColumn<bool>("cam3");
    QTest::addColumn<bool>("cam4");
    QTest::addColumn<QSize>("scene");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QRect>("view");

    QTest::newRow("one camera, wide frame") << QSize(1280, 480) << false << false << false
                                            << QSize(640, 480) << 1.0 << QRect(320, 0, 640, 480);
    QTest::newRow("four cameras, tall frame") << QSize(640, 960) << true << true << true
                                              << QSize(1280, 960) << 0.5 << QRect(0, 240, 640, 480);
    QTest::newRow("camera 3 alone: two rows") << QSize(640, 960) << false << true << false
                                              << QSize(640, 960) << 1.0 << QRect(0, 0, 640, 960);
    QTest::newRow("camera 4 alone: both") << QSize(1280, 960) << false << false << true
                                          << QSize(1280, 960) << 1.0 << QRect(0, 0, 1280, 960);
    QTest::newRow("camera 2: two columns") << QSize(1000, 1000) << true << false << false
                                           << QSize(1280, 480) << 1000.0 / 1280 << QRect(0, 312, 1000, 375);
    // 700 x 500: s = min(700/640, 500/480) = 1.0416..; view 666.67 x 500 truncated, x = 16.67 truncated.
    QTest::newRow("fractions truncate") << QSize(700, 500) << false << false << false
                                        << QSize(640, 480) << 500.0 / 480 << QRect(16, 0, 666, 500);
}

void TestViewFit::fit()
{
    QFETCH(QSize, frame);
    QFETCH(bool, cam2);
    QFETCH(bool, cam3);
    QFETCH(bool, cam4);
    QFETCH(QSize, scene);
    QFETCH(double, scale);
    QFETCH(QRect, view);
    const ViewFit fit = ComputeViewFit(frame, cam2, cam3, cam4);
    QCOMPARE(fit.sceneSize, scene);
    QCOMPARE(fit.scale, scale);
    QCOMPARE(fit.viewGeometry, view);
}

QTEST_APPLESS_MAIN(TestViewFit)
#include "tst_viewfit.moc"
