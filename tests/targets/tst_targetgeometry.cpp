// Tests of the target geometry and row text: box resizing, corner clamping, outlines, mapping.
#include "target.h"
#include "targetgeometry.h"

#include <QtTest>

class TestTargetGeometry : public QObject
{
    Q_OBJECT
private slots:
    void mapRect_data();
    void mapRect();
    void moveBoxCornerKeepsRectangle_data();
    void moveBoxCornerKeepsRectangle();
    void crossedCornersGiveUnmirroredBox();
    void rectToPolygon_data();
    void rectToPolygon();
    void clampCornerToQuarter_data();
    void clampCornerToQuarter();
    void rowText_data();
    void rowText();
};

void TestTargetGeometry::mapRect_data()
{
    QTest::addColumn<QPointF>("p");
    QTest::addColumn<QRectF>("from");
    QTest::addColumn<QRectF>("to");
    QTest::addColumn<QPointF>("expected");

    QTest::newRow("corner to corner") << QPointF(10, 20) << QRectF(10, 20, 100, 50) << QRectF(0, 0, 10, 10)
                                      << QPointF(0, 0);
    QTest::newRow("centre to centre") << QPointF(60, 45) << QRectF(10, 20, 100, 50) << QRectF(100, 100, 200, 20)
                                      << QPointF(200, 110);
    QTest::newRow("axes scale apart") << QPointF(110, 70) << QRectF(10, 20, 100, 50) << QRectF(0, 0, 300, 25)
                                      << QPointF(300, 25);
    QTest::newRow("outside extrapolates") << QPointF(-10, 0) << QRectF(0, 0, 10, 10) << QRectF(0, 0, 20, 20)
                                          << QPointF(-20, 0);
    QTest::newRow("collapsed source, no division by zero") << QPointF(5, 5) << QRectF(5, 0, 0, 10)
                                                           << QRectF(1, 2, 3, 4) << QPointF(1, 4);
}

void TestTargetGeometry::mapRect()
{
    QFETCH(QPointF, p);
    QFETCH(QRectF, from);
    QFETCH(QRectF, to);
    QFETCH(QPointF, expected);
    QCOMPARE(MapRect(p, from, to), expected);
}

void TestTargetGeometry::moveBoxCornerKeepsRectangle_data()
{
    QTest::addColumn<int>("corner");
    QTest::addColumn<QPointF>("delta");
    QTest::addColumn<QRectF>("expected");

    const QRectF box(100, 100, 200, 100);
    QTest::newRow("top-left") << 0 << QPointF(-10, -20) << QRectF(90, 80, 210, 120);
    QTest::newRow("top-right") << 1 << QPointF(10, -20) << QRectF(100, 80, 210, 120);
    QTest::newRow("bottom-right") << 2 << QPointF(10, 20) << QRectF(100, 100, 210, 120);
    QTest::newRow("bottom-left") << 3 << QPointF(-10, 20) << QRectF(90, 100, 210, 120);
    QTest::newRow("top-left inward") << 0 << QPointF(50, 30) << QRectF(150, 130, 150, 70);
}

void TestTargetGeometry::moveBoxCornerKeepsRectangle()
{
    QFETCH(int, corner);
    QFETCH(QPointF, delta);
    QFETCH(QRectF, expected);
    BoxCorners corners = BoxCornersOf(QRectF(100, 100, 200, 100));
    MoveBoxCorner(corners, corner, delta);
    // Still a rectangle: the corners are exactly the corners of the expected box.
    const BoxCorners want = BoxCornersOf(expected);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(corners[i], want[i]);
}

void TestTargetGeometry::crossedCornersGiveUnmirroredBox()
{
    BoxCorners corners = BoxCornersOf(QRectF(0, 0, 100, 50));
    MoveBoxCorner(corners, 0, QPointF(150, 80)); // top-left dragged past bottom-right
    QPolygonF positions;
    for (const QPointF &p : corners)
        positions << p;
    const QRectF box = positions.boundingRect();
    QCOMPARE(box, QRectF(100, 50, 50, 30));
    QVERIFY(box.width() > 0 && box.height() > 0);
    // Mapping onto that box keeps left on the left: nothing is mirrored.
    const QRectF old(0, 0, 100, 50);
    QVERIFY(MapRect(old.topLeft(), old, box).x() < MapRect(old.topRight(), old, box).x());
    QVERIFY(MapRect(old.topLeft(), old, box).y() < MapRect(old.bottomLeft(), old, box).y());
}

void TestTargetGeometry::rectToPolygon_data()
{
    QTest::addColumn<QPointF>("press");
    QTest::addColumn<QPointF>("current");
    QTest::addColumn<QPolygonF>("expected");

    QTest::newRow("down right") << QPointF(10, 20) << QPointF(50, 60)
                                << QPolygonF({{10, 20}, {50, 20}, {50, 60}, {10, 60}, {10, 20}});
    QTest::newRow("up left keeps the dragged order") << QPointF(50, 60) << QPointF(10, 20)
                                                     << QPolygonF({{50, 60}, {10, 60}, {10, 20}, {50, 20}, {50, 60}});
}

void TestTargetGeometry::rectToPolygon()
{
    QFETCH(QPointF, press);
    QFETCH(QPointF, current);
    QFETCH(QPolygonF, expected);
    const QPolygonF polygon = RectToPolygon(press, current);
    QCOMPARE(polygon, expected);
    QCOMPARE(polygon.size(), 5);
    QCOMPARE(polygon.first(), polygon.last());
}

void TestTargetGeometry::clampCornerToQuarter_data()
{
    QTest::addColumn<int>("corner");
    QTest::addColumn<QPointF>("p");
    QTest::addColumn<QPointF>("expected");

    QTest::newRow("0 inside") << 0 << QPointF(128, 96) << QPointF(128, 96);
    QTest::newRow("0 past the middle") << 0 << QPointF(400, 300) << QPointF(320, 240);
    QTest::newRow("0 off the picture") << 0 << QPointF(-5, -1) << QPointF(0, 0);
    QTest::newRow("1 left of the middle") << 1 << QPointF(300, 96) << QPointF(320, 96);
    QTest::newRow("1 off the right") << 1 << QPointF(700, -3) << QPointF(640, 0);
    QTest::newRow("2 up and left") << 2 << QPointF(100, 100) << QPointF(320, 240);
    QTest::newRow("2 off the bottom") << 2 << QPointF(512, 600) << QPointF(512, 480);
    QTest::newRow("3 right and up") << 3 << QPointF(500, 200) << QPointF(320, 240);
    QTest::newRow("3 inside") << 3 << QPointF(128, 384) << QPointF(128, 384);
}

void TestTargetGeometry::clampCornerToQuarter()
{
    QFETCH(int, corner);
    QFETCH(QPointF, p);
    QFETCH(QPointF, expected);
    QCOMPARE(ClampCornerToQuarter(corner, p), expected);
}

void TestTargetGeometry::rowText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("expected");

    QTest::newRow("default name gets three spaces") << "Target No. 1" << 1 << "Target No. 1   :1";
    QTest::newRow("15 characters: colon follows") << "Entzerrte Ziele" << 0 << "Entzerrte Ziele:0";
    QTest::newRow("longer names are not cut") << "A very long target name" << 5 << "A very long target name:5";
    QTest::newRow("empty name") << "" << -3 << "               :-3";
    QTest::newRow("percent signs stay text") << "50%1 %2" << 7 << "50%1 %2        :7";
}

void TestTargetGeometry::rowText()
{
    QFETCH(QString, name);
    QFETCH(int, score);
    QFETCH(QString, expected);
    QCOMPARE(TargetRowText(name, score), expected);
}

QTEST_APPLESS_MAIN(TestTargetGeometry)
#include "tst_targetgeometry.moc"
