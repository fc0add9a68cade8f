// Tests of display-target scoring: ring scoring, corrected-position mapping and score images.
#include "scoring.h"

#include <QImage>
#include <QtTest>

class TestScoring : public QObject
{
    Q_OBJECT
private slots:
    void circleScore_data();
    void circleScore();
    void mapCorrected_data();
    void mapCorrected();
    void scoreImage_data();
    void scoreImage();
    void shownSize_data();
    void shownSize();
};

void TestScoring::circleScore_data()
{
    QTest::addColumn<double>("distance");
    QTest::addColumn<int>("rings");
    QTest::addColumn<int>("hitSize");
    QTest::addColumn<int>("ring");
    // 10 rings: ring width 23; the marker radius 5 pulls a shot inwards.
    QTest::newRow("centre") << 0.0 << 10 << 5 << 10;
    QTest::newRow("inside the marker radius") << 4.9 << 10 << 5 << 10;
    QTest::newRow("just inside the first line") << 27.9 << 10 << 5 << 10;
    QTest::newRow("on the first line plus marker") << 28.0 << 10 << 5 << 9;
    QTest::newRow("last ring") << 234.9 << 10 << 5 << 1;
    QTest::newRow("outer edge plus marker") << 235.0 << 10 << 5 << 0;
    QTest::newRow("far outside") << 400.0 << 10 << 5 << 0;
    QTest::newRow("no marker allowance") << 23.0 << 10 << 0 << 9;
    QTest::newRow("one ring, inside") << 234.0 << 1 << 5 << 1;
    QTest::newRow("one ring, outside") << 236.0 << 1 << 5 << 0;
    QTest::newRow("20 rings, width 11.5") << 16.4 << 20 << 5 << 20;
    QTest::newRow("20 rings, second") << 16.5 << 20 << 5 << 19;
}

void TestScoring::circleScore()
{
    QFETCH(double, distance);
    QFETCH(int, rings);
    QFETCH(int, hitSize);
    QFETCH(int, ring);
    // The same distance in several directions scores the same (axis-aligned, so ring
    // boundaries are exact).
    for (QPointF dir : {QPointF(1, 0), QPointF(0, -1), QPointF(-1, 0), QPointF(0, 1)})
        QCOMPARE(CircleTargetScore(QPointF(320, 240) + dir * distance, rings, hitSize), ring);
}

void TestScoring::mapCorrected_data()
{
    QTest::addColumn<QPointF>("corrected");
    QTest::addColumn<QPointF>("display");
    QTest::newRow("centre") << QPointF(500, 500) << QPointF(320, 240);
    QTest::newRow("top left") << QPointF(0, 0) << QPointF(90, 10);
    QTest::newRow("top right") << QPointF(1000, 0) << QPointF(550, 10);
    QTest::newRow("bottom right") << QPointF(1000, 1000) << QPointF(550, 470);
    QTest::newRow("outside stays outside") << QPointF(-100, 1100) << QPointF(44, 516);
}

void TestScoring::mapCorrected()
{
    QFETCH(QPointF, corrected);
    QFETCH(QPointF, display);
    QCOMPARE(MapCorrectedToDisplay(corrected), display);
}

void TestScoring::scoreImage_data()
{
    QTest::addColumn<double>("u");
    QTest::addColumn<double>("v");
    QTest::addColumn<int>("score");
    // 4 x 2 image: red = 10 * (column + 4 * row) + 5, except the last pixel, which is 255.
    QTest::newRow("first pixel") << 0.0 << 0.0 << 0;
    QTest::newRow("second column") << 0.25 << 0.0 << 1;
    QTest::newRow("truncates within a pixel") << 0.49 << 0.49 << 1;
    QTest::newRow("second row") << 0.0 << 0.5 << 4;
    QTest::newRow("far corner reads the last pixel") << 1.0 << 1.0 << 25;
    QTest::newRow("right edge, top") << 1.0 << 0.0 << 3;
}

void TestScoring::scoreImage()
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
}

void TestScoring::shownSize_data()
{
    QTest::addColumn<QSize>("pixmap");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("exact") << QSize(2000, 1000) << QSize(500, 250);
    QTest::newRow("quarter rounds down") << QSize(1001, 1001) << QSize(250, 250);
    QTest::newRow("half rounds up") << QSize(1002, 6) << QSize(251, 2);
    QTest::newRow("three quarters rounds up") << QSize(1003, 1) << QSize(251, 0);
}

void TestScoring::shownSize()
{
    QFETCH(QSize, pixmap);
    QFETCH(QSize, shown);
    QCOMPARE(DisplayImageShownSize(pixmap), shown);
    QCOMPARE(ScoreImageValue(QImage(), 0.5, 0.5), 0); // no score image: nothing scores
}

QTEST_APPLESS_MAIN(TestScoring)
#include "tst_scoring.moc"
