// Tests of the target sheet geometry: grid centres, rings, preview fit.
#include "pdftool/sheetlayout.h"

#include <QtTest>

#include <cmath>

using namespace SheetLayout;

class tst_SheetLayout : public QObject
{
    Q_OBJECT

private slots:
    void targetCentres_data();
    void targetCentres();
    void rings_data();
    void rings();
    void previewViewRect_data();
    void previewViewRect();
};

static bool Near(double a, double b, double tolerance = 1e-9)
{
    return std::abs(a - b) <= tolerance;
}

void tst_SheetLayout::targetCentres_data()
{
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<double>("diameter");
    QTest::addColumn<int>("countX");
    QTest::addColumn<int>("countY");
    QTest::addColumn<double>("gapX");
    QTest::addColumn<double>("gapY");
    QTest::addColumn<QVector<QPointF>>("centres");

    QTest::newRow("start values: one target in the page centre")
        << false << 200.0 << 1 << 1 << 50.0 << 50.0 << QVector<QPointF>{ { 105, 148.5 } };
    QTest::newRow("one target on a landscape page")
        << true << 200.0 << 1 << 1 << 50.0 << 50.0 << QVector<QPointF>{ { 148.5, 105 } };
    QTest::newRow("three in a row use the horizontal gap")
        << false << 60.0 << 3 << 1 << 5.0 << 0.0
        << QVector<QPointF>{ { 40, 148.5 }, { 105, 148.5 }, { 170, 148.5 } };
    QTest::newRow("two above each other use the vertical gap")
        << false << 100.0 << 1 << 2 << 0.0 << 10.0 << QVector<QPointF>{ { 105, 93.5 }, { 105, 203.5 } };
    QTest::newRow("2 x 2 landscape, column by column")
        << true << 80.0 << 2 << 2 << 20.0 << 20.0
        << QVector<QPointF>{ { 98.5, 55 }, { 98.5, 155 }, { 198.5, 55 }, { 198.5, 155 } };
    QTest::newRow("too large a grid runs off the page")
        << false << 200.0 << 2 << 1 << 10.0 << 10.0 << QVector<QPointF>{ { 0, 148.5 }, { 210, 148.5 } };
    QTest::newRow("no columns, no targets")
        << false << 200.0 << 0 << 1 << 50.0 << 50.0 << QVector<QPointF>{};
}

void tst_SheetLayout::targetCentres()
{
    QFETCH(bool, landscape);
    QFETCH(double, diameter);
    QFETCH(int, countX);
    QFETCH(int, countY);
    QFETCH(double, gapX);
    QFETCH(double, gapY);
    QFETCH(QVector<QPointF>, centres);

    const QVector<QPointF> got = TargetCentres(PageSize(landscape), diameter, countX, countY, gapX, gapY);
    QCOMPARE(got.size(), centres.size());
    for (int k = 0; k < got.size(); ++k) {
        QVERIFY2(Near(got[k].x(), centres[k].x()) && Near(got[k].y(), centres[k].y()),
                 qPrintable(QStringLiteral("target %1 at (%2, %3)").arg(k).arg(got[k].x()).arg(got[k].y())));
    }
}

void tst_SheetLayout::rings_data()
{
    QTest::addColumn<double>("outerDiameter");
    QTest::addColumn<int>("circles");
    QTest::addColumn<double>("innermost");
    QTest::addColumn<double>("bullseye");

    QTest::newRow("display target, 20 circles") << 460.0 << 20 << 23.0 << 11.5;
    QTest::newRow("no circles") << 200.0 << 0 << 0.0 << 0.0;
}

void tst_SheetLayout::rings()
{
    QFETCH(double, outerDiameter);
    QFETCH(int, circles);
    QFETCH(double, innermost);
    QFETCH(double, bullseye);

    const double step = RingStep(outerDiameter, circles);
    QVERIFY(Near(CircleDiameter(1, step), innermost));
    QVERIFY(Near(BullseyeDiameter(step), bullseye));
    if (circles > 0)
        QVERIFY(Near(CircleDiameter(circles, step), outerDiameter));
}

void tst_SheetLayout::previewViewRect_data()
{
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<QRect>("view");
    QTest::addColumn<double>("scale");

    QTest::newRow("portrait in a tall frame: full width")
        << QSize(600, 900) << false << QRect(0, 25, 600, 848) << 600.0 / 210;
    QTest::newRow("portrait in a wide frame: full height")
        << QSize(800, 594) << false << QRect(190, 0, 420, 594) << 2.0;
    QTest::newRow("landscape, fractions dropped")
        << QSize(600, 900) << true << QRect(0, 237, 600, 424) << 600.0 / 297;
}

void tst_SheetLayout::previewViewRect()
{
    QFETCH(QSize, frame);
    QFETCH(bool, landscape);
    QFETCH(QRect, view);
    QFETCH(double, scale);
    double f = 0;
    QCOMPARE(PreviewViewRect(frame, PageSize(landscape), &f), view);
    QVERIFY(Near(f, scale));
}

QTEST_APPLESS_MAIN(tst_SheetLayout)
#include "tst_sheetlayout.moc"
