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
    void moveBoxCorner_data();
    void moveBoxCorner();
    void rectToPolygonKeepsDraggedOrder();
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

void TestTargetGeometry::moveBoxCorner_data()
{
    QTest::addColumn<int>("corner");
    QTest::addColumn<QPointF>("delta");
    QTest::addColumn<QRectF>("expected"); // bounding box of the moved corners

    QTest::newRow("top-right outward") << 1 << QPointF(10, -20) << QRectF(100, 80, 210, 120);
    QTest::newRow("bottom-left outward") << 3 << QPointF(-10, 20) << QRectF(90, 100, 210, 120);
    QTest::newRow("top-left inward") << 0 << QPointF(50, 30) << QRectF(150, 130, 150, 70);
    QTest::newRow("top-left past bottom-right") << 0 << QPointF(250, 130) << QRectF(300, 200, 50, 30);
}

void TestTargetGeometry::moveBoxCorner()
{
    QFETCH(int, corner);
    QFETCH(QPointF, delta);
    QFETCH(QRectF, expected);
    const QRectF old(100, 100, 200, 100);
    BoxCorners corners = BoxCornersOf(old);
    MoveBoxCorner(corners, corner, delta);
    QPolygonF moved;
    for (const QPointF &p : corners)
        moved << p;
    // Still a rectangle, never of negative size.
    QCOMPARE(moved.boundingRect(), expected);
    for (const QPointF &p : corners)
        QVERIFY((p.x() == expected.left() || p.x() == expected.right())
                && (p.y() == expected.top() || p.y() == expected.bottom()));
    // Mapping onto the new box keeps left on the left and top on top: nothing is mirrored.
    QVERIFY(MapRect(old.topLeft(), old, expected).x() < MapRect(old.topRight(), old, expected).x());
    QVERIFY(MapRect(old.topLeft(), old, expected).y() < MapRect(old.bottomLeft(), old, expected).y());
}

void TestTargetGeometry::rectToPolygonKeepsDraggedOrder()
{
    QCOMPARE(RectToPolygon({10, 20}, {50, 60}), QPolygonF({{10, 20}, {50, 20}, {50, 60}, {10, 60}, {10, 20}}));
    QCOMPARE(RectToPolygon({50, 60}, {10, 20}), QPolygonF({{50, 60}, {10, 60}, {10, 20}, {50, 20}, {50, 60}}));
}

void TestTargetGeometry::clampCornerToQuarter_data()
{
    QTest::addColumn<int>("corner");
    QTest::addColumn<QPointF>("p");
    QTest::addColumn<QPointF>("expected");

    QTest::newRow("0 inside") << 0 << QPointF(128, 96) << QPointF(128, 96);
    QTest::newRow("0 past the middle") << 0 << QPointF(400, 300) << QPointF(320, 240);
    QTest::newRow("0 off the picture") << 0 << QPointF(-5, -1) << QPointF(0, 0);
    QTest::newRow("1 off the right") << 1 << QPointF(700, -3) << QPointF(640, 0);
    QTest::newRow("1 left of the middle") << 1 << QPointF(300, 96) << QPointF(320, 96);
    QTest::newRow("2 off the bottom") << 2 << QPointF(512, 600) << QPointF(512, 480);
    QTest::newRow("2 up and left") << 2 << QPointF(100, 100) << QPointF(320, 240);
    QTest::newRow("3 right and up") << 3 << QPointF(500, 200) << QPointF(320, 240);
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

    QTest::newRow("padded to 15 characters") << "Target No. 1" << 1 << "Target No. 1   :1";
    QTest::newRow("longer names are not cut") << "A very long target name" << 5 << "A very long target name:5";
    QTest::newRow("percent signs stay text") << "50%1 %2" << -3 << "50%1 %2        :-3";
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
