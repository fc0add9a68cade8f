// Tests of the display target's geometry and scoring: rings, corrected positions, score images.
#include "displaytargetframe.h"

#include <QImage>
#include <QtTest>

class TestDisplayTargetFrame : public QObject
{
    Q_OBJECT
private slots:
    void circleScore_data();
    void circleScore();
    void mapCorrected_data();
    void mapCorrected();
    void scoreImage_data();
    void scoreImage();
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
    QTest::newRow("10: far outside") << 400.0 << 10 << 5 << 0;
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

void TestDisplayTargetFrame::mapCorrected_data()
{
    QTest::addColumn<QPointF>("corrected");
    QTest::addColumn<QPointF>("display");
    QTest::newRow("centre") << QPointF(500, 500) << QPointF(320, 240);
    QTest::newRow("top right") << QPointF(1000, 0) << QPointF(550, 10);
    QTest::newRow("bottom left") << QPointF(0, 1000) << QPointF(90, 470);
    QTest::newRow("outside stays outside") << QPointF(-100, 1100) << QPointF(44, 516);
}

void TestDisplayTargetFrame::mapCorrected()
{
    QFETCH(QPointF, corrected);
    QFETCH(QPointF, display);
    QCOMPARE(MapCorrectedToDisplay(corrected), display);
}

void TestDisplayTargetFrame::scoreImage_data()
{
    QTest::addColumn<double>("u");
    QTest::addColumn<double>("v");
    QTest::addColumn<int>("score");
    // 4 x 2 image: red = 10 * (column + 4 * row) + 5, except the last pixel, which is 255.
    QTest::newRow("first pixel") << 0.0 << 0.0 << 0;
    QTest::newRow("truncates within a pixel") << 0.49 << 0.49 << 1;
    QTest::newRow("second row") << 0.0 << 0.5 << 4;
    QTest::newRow("far corner reads the last pixel") << 1.0 << 1.0 << 25;
    QTest::newRow("right edge, top") << 1.0 << 0.0 << 3;
}

void TestDisplayTargetFrame::scoreImage()
{
    QFETCH(double, u);
    QFETCH(double, v);
    QFETCH(int, score);
    QImage image(4, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            image.setPixel(x, y, qRgb(10 * (x + 4 * y) + 5, 200, 200));
    image.setPixel(3, 1, qRgb(255, 0, 0));
    QCOMPARE(ScoreImageValue(image, u, v), score);
    QCOMPARE(ScoreImageValue(QImage(), u, v), 0);
}

void TestDisplayTargetFrame::pictureFit_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("working");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("4:3 fills the area") << QSize(800, 600) << QSize(2560, 1920) << QPoint(0, 0) << QSize(640, 480);
    QTest::newRow("square") << QSize(1000, 1000) << QSize(1920, 1920) << QPoint(80, 0) << QSize(480, 480);
    QTest::newRow("wide") << QSize(400, 200) << QSize(2560, 1280) << QPoint(0, 80) << QSize(640, 320);
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
