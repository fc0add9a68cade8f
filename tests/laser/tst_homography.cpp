// Tests of the perspective correction: solving, mapping and the fallback before corners.
#include "homography.h"

#include <QtTest>

class TestHomography : public QObject
{
    Q_OBJECT

private slots:
    void mapsCorners_data();
    void mapsCorners();
    void handComputedPoints_data();
    void handComputedPoints();
    void scalesBeforeCorners();
    void rejectsDegenerateCorners();
};

void TestHomography::mapsCorners_data()
{
    QTest::addColumn<QVector<QPointF>>("corners");
    QTest::newRow("axis-aligned") << QVector<QPointF>{{128, 96}, {512, 96}, {128, 384}, {512, 384}};
    QTest::newRow("angled") << QVector<QPointF>{{150, 80}, {520, 110}, {120, 420}, {540, 400}};
    QTest::newRow("strong perspective")
        << QVector<QPointF>{{250, 100}, {390, 100}, {20, 470}, {620, 470}};
}

void TestHomography::mapsCorners()
{
    QFETCH(QVector<QPointF>, corners);
    Homography h;
    for (int i = 0; i < 4; ++i)
        h.SetCorner(i, corners[i].x(), corners[i].y());
    QVERIFY(h.PreCalculate());
    h.SetScreenResolution(1000, 1000);
    const QPointF expected[4] = {{0, 0}, {1000, 0}, {0, 1000}, {1000, 1000}};
    for (int i = 0; i < 4; ++i) {
        double cx, cy;
        h.Map(corners[i].x(), corners[i].y(), &cx, &cy);
        QVERIFY2(qAbs(cx - expected[i].x()) < 1e-9 && qAbs(cy - expected[i].y()) < 1e-9,
                 qPrintable(QString("corner %1 -> %2, %3").arg(i).arg(cx).arg(cy)));
    }
}

void TestHomography::handComputedPoints_data()
{
    // Trapezoid (0,0) (4,0) (1,2) (3,2) onto the unit square (screen 1 x 1), worked out by hand:
    // its sides meet at (2, 4), so the horizon is y = 4 and along the axis x = 2 the mapping is
    // u = 1/2, v = y / (4 - y); the top edge is parallel to the horizon, so along it the
    // mapping is linear, u = x / 4.
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("u");
    QTest::addColumn<double>("v");
    QTest::newRow("bottom middle") << 2.0 << 2.0 << 0.5 << 1.0;
    QTest::newRow("diagonals cross") << 2.0 << 4.0 / 3.0 << 0.5 << 0.5;
    QTest::newRow("top quarter") << 1.0 << 0.0 << 0.25 << 0.0;
    QTest::newRow("outside, beyond the bottom") << 2.0 << 3.0 << 0.5 << 3.0;
}

void TestHomography::handComputedPoints()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, u);
    QFETCH(double, v);
    Homography h;
    h.SetCorner(0, 0, 0);
    h.SetCorner(1, 4, 0);
    h.SetCorner(2, 1, 2);
    h.SetCorner(3, 3, 2);
    QVERIFY(h.PreCalculate());
    h.SetScreenResolution(1, 1);
    double cx, cy;
    h.Map(x, y, &cx, &cy);
    QVERIFY2(qAbs(cx - u) < 1e-12 && qAbs(cy - v) < 1e-12,
             qPrintable(QString("(%1, %2)").arg(cx, 0, 'g', 17).arg(cy, 0, 'g', 17)));
}

void TestHomography::scalesBeforeCorners()
{
    Homography h;
    h.SetPictureSize(640, 480);
    h.SetScreenResolution(1000, 1000);
    double cx, cy;
    h.Map(320, 120, &cx, &cy);
    QCOMPARE(cx, 500.0);
    QCOMPARE(cy, 250.0);
}

void TestHomography::rejectsDegenerateCorners()
{
    Homography h;
    for (int i = 0; i < 4; ++i)
        h.SetCorner(i, 10 * i, 10 * i); // all on one line
    QVERIFY(!h.PreCalculate());
    QVERIFY(!h.IsSolved());
    double cx, cy;
    h.Map(64, 48, &cx, &cy);
    QCOMPARE(cx, 100.0); // the picture scaling stays in force
    QCOMPARE(cy, 100.0);
}

QTEST_APPLESS_MAIN(TestHomography)
#include "tst_homography.moc"
