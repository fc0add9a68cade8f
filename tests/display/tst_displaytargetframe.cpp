// Tests of the display target's ring scoring and picture placement.
#include "displaytargetframe.h"

#include <QtTest>

class TestDisplayTargetFrame : public QObject
{
    Q_OBJECT
private slots:
    void circleScore_data();
    void circleScore();
    void pictureFit_data();
    void pictureFit();
};

void TestDisplayTargetFrame::circleScore_data()
{
    QTest::addColumn<double>("distance");
    QTest::addColumn<int>("rings");
    QTest::addColumn<int>("hitSize");
    QTest::addColumn<int>("ring");
    // Ring width 230 / n; the marker radius pulls a shot inwards.
    QTest::newRow("10: centre") << 0.0 << 10 << 5 << 10;
    QTest::newRow("10: just inside the first line") << 27.9 << 10 << 5 << 10;
    QTest::newRow("10: on the first line") << 28.0 << 10 << 5 << 9;
    QTest::newRow("10: last ring") << 234.9 << 10 << 5 << 1;
    QTest::newRow("10: outer edge") << 235.0 << 10 << 5 << 0;
    QTest::newRow("10: far outside") << 300.0 << 10 << 5 << 0; // never below zero
    QTest::newRow("10: no marker allowance") << 23.0 << 10 << 0 << 9;
    QTest::newRow("1: inside") << 234.9 << 1 << 5 << 1;
    QTest::newRow("1: outside") << 235.0 << 1 << 5 << 0;
    QTest::newRow("3: second line") << 158.2 << 3 << 5 << 2;
    QTest::newRow("3: past it") << 158.4 << 3 << 5 << 1;
    QTest::newRow("20: first line") << 16.5 << 20 << 5 << 19;
    QTest::newRow("20: outside") << 236.0 << 20 << 5 << 0;
}

void TestDisplayTargetFrame::circleScore()
{
    QFETCH(double, distance);
    QFETCH(int, rings);
    QFETCH(int, hitSize);
    QFETCH(int, ring);
    for (QPointF dir : {QPointF(1, 0), QPointF(0, -1), QPointF(-1, 0), QPointF(0, 1)})
        QCOMPARE(CircleTargetScore(QPointF(320, 240) + dir * distance, rings, hitSize), ring);
}

void TestDisplayTargetFrame::pictureFit_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("working");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("4:3 fills the area") << QSize(800, 600) << QSize(2560, 1920) << QPoint(0, 0) << QSize(640, 480);
    QTest::newRow("square") << QSize(1000, 1000) << QSize(1920, 1920) << QPoint(80, 0) << QSize(480, 480);
    QTest::newRow("odd margin rounds down") << QSize(2555, 1920) << QSize(2555, 1920) << QPoint(0, 0) << QSize(639, 480);
}

void TestDisplayTargetFrame::pictureFit()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, working);
    QFETCH(QPoint, position);
    QFETCH(QSize, shown);
    QCOMPARE(DisplayImageWorkingSize(picture), working);
    QCOMPARE(DisplayImagePosition(working), position);
    QCOMPARE(DisplayImageShownSize(working), shown);
}

QTEST_APPLESS_MAIN(TestDisplayTargetFrame)
#include "tst_displaytargetframe.moc"
