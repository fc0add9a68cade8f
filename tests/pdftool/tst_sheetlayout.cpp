// Tests of the target sheet grid: where the targets of a sheet sit.
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

QTEST_APPLESS_MAIN(tst_SheetLayout)
#include "tst_sheetlayout.moc"
