// Tests of the written target sheet: one A4 page, read back with Poppler, targets where the preview has them.
#include "pdftool/formtargetpdftool.h"

#include <poppler-qt5.h>

#include <QDoubleSpinBox>
#include <QGraphicsEllipseItem>
#include <QGraphicsScene>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

constexpr double Dpi = 150;
constexpr double PxPerMm = Dpi / 25.4;
constexpr double PointsPerMm = 72 / 25.4;

// Writes to a fixed file instead of asking.
class ScriptedTool : public FormTargetPDFTool
{
public:
    using FormTargetPDFTool::FormTargetPDFTool;
    QString answer;

protected:
    QString AskPdfFileName() override { return answer; }
};

struct Circle {
    QPointF centre;
    double radius = 0;
};

// The outer circles of the targets as the preview has them, in millimetres.
QVector<Circle> OuterCircles(const QGraphicsScene *scene, double diameter)
{
    QVector<Circle> circles;
    for (QGraphicsItem *item : scene->items()) {
        auto *e = qgraphicsitem_cast<QGraphicsEllipseItem *>(item);
        if (e && std::abs(e->rect().width() - diameter) < 1e-9)
            circles.append({ e->sceneBoundingRect().center(), e->rect().width() / 2 });
    }
    return circles;
}

int GreyAt(const QImage &page, const QPointF &mm)
{
    const QPoint px(int(mm.x() * PxPerMm), int(mm.y() * PxPerMm));
    if (!page.rect().contains(px))
        return 255;
    return qGray(page.pixel(px));
}

// Distance from the centre, along a unit direction, of the darkest line near the expected
// radius; negative when nothing dark is there.
double LineDistance(const QImage &page, const QPointF &centre, const QPointF &direction,
                    double radius, double window)
{
    int darkest = 256;
    double sum = 0;
    int count = 0;
    for (double t = radius - window; t <= radius + window; t += 0.01) {
        const int grey = GreyAt(page, centre + direction * t);
        if (grey < darkest) {
            darkest = grey;
            sum = 0;
            count = 0;
        }
        if (grey == darkest) {
            sum += t;
            ++count;
        }
    }
    return darkest < 160 ? sum / count : -1;
}

// Finds the printed circle from eight points on it, along rays that miss the ring numbers
// (they sit on the axes) and the position crosses (beyond the circle on the diagonals).
bool FindPrintedCircle(const QImage &page, const Circle &expected, double window, Circle *found)
{
    QVector<QPointF> points;
    for (int k = 0; k < 8; ++k) {
        const double angle = (22.5 + 45 * k) * M_PI / 180;
        const QPointF direction(std::cos(angle), std::sin(angle));
        const double t = LineDistance(page, expected.centre, direction, expected.radius, window);
        if (t < 0)
            return false;
        points.append(expected.centre + direction * t);
    }
    QPointF centre;
    for (const QPointF &p : points)
        centre += p / points.size();
    *found = { centre, 0 };
    for (const QPointF &p : points)
        found->radius += QLineF(centre, p).length() / points.size();
    return true;
}

} // namespace

class tst_TargetSheetPdf : public QObject
{
    Q_OBJECT

private slots:
    void writtenPageMatchesPreview_data();
    void writtenPageMatchesPreview();
};

void tst_TargetSheetPdf::writtenPageMatchesPreview_data()
{
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<int>("countX");
    QTest::addColumn<int>("countY");
    QTest::addColumn<double>("diameter");
    QTest::addColumn<double>("gap");
    QTest::addColumn<QVector<QPointF>>("centres");

    QTest::newRow("start values: a centred 200 mm target")
        << false << 1 << 1 << 200.0 << 50.0 << QVector<QPointF>{ { 105, 148.5 } };
    QTest::newRow("two targets side by side")
        << false << 2 << 1 << 50.0 << 50.0 << QVector<QPointF>{ { 55, 148.5 }, { 155, 148.5 } };
    QTest::newRow("2 x 2 on a landscape page")
        << true << 2 << 2 << 80.0 << 20.0
        << QVector<QPointF>{ { 98.5, 55 }, { 98.5, 155 }, { 198.5, 55 }, { 198.5, 155 } };
}

void tst_TargetSheetPdf::writtenPageMatchesPreview()
{
    QFETCH(bool, landscape);
    QFETCH(int, countX);
    QFETCH(int, countY);
    QFETCH(double, diameter);
    QFETCH(double, gap);
    QFETCH(QVector<QPointF>, centres);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    ScriptedTool tool;
    tool.answer = dir.filePath(QStringLiteral("sheet.pdf"));
    if (landscape)
        tool.findChild<QRadioButton *>(QStringLiteral("radioButtonLandscape"))->click();
    tool.findChild<QSpinBox *>(QStringLiteral("spinBoxTargetsX"))->setValue(countX);
    tool.findChild<QSpinBox *>(QStringLiteral("spinBoxTargetsY"))->setValue(countY);
    tool.findChild<QDoubleSpinBox *>(QStringLiteral("doubleSpinBoxOuterDiameter"))->setValue(diameter);
    tool.findChild<QDoubleSpinBox *>(QStringLiteral("doubleSpinBoxDistX"))->setValue(gap);
    tool.findChild<QDoubleSpinBox *>(QStringLiteral("doubleSpinBoxDistY"))->setValue(gap);
    tool.findChild<QPushButton *>(QStringLiteral("pushButtonMakePDF"))->click();

    std::unique_ptr<Poppler::Document> document(Poppler::Document::load(tool.answer));
    QVERIFY2(document && !document->isLocked(), "the PDF was written and can be read");
    QCOMPARE(document->numPages(), 1);
    std::unique_ptr<Poppler::Page> page(document->page(0));
    QVERIFY(page);
    const QSizeF paper = landscape ? QSizeF(297, 210) : QSizeF(210, 297);
    const QSizeF points = page->pageSizeF();
    QVERIFY(std::abs(points.width() - paper.width() * PointsPerMm) < 1
            && std::abs(points.height() - paper.height() * PointsPerMm) < 1);

    document->setRenderHint(Poppler::Document::Antialiasing);
    const QImage image = page->renderToImage(Dpi, Dpi);

    const QVector<Circle> preview = OuterCircles(tool.PreviewScene(), diameter);
    // Search no further than halfway to the next circle inwards (ten circles by default).
    const double window = std::min(4.0, diameter / 10 / 4);
    QCOMPARE(preview.size(), centres.size());
    for (const QPointF &centre : centres) {
        // The preview has a target here...
        const auto inPreview = std::find_if(preview.begin(), preview.end(), [&](const Circle &c) {
            return QLineF(c.centre, centre).length() < 1e-6;
        });
        QVERIFY(inPreview != preview.end());
        // ...and the paper has its outer ring in the same place, within a quarter millimetre.
        Circle printed;
        QVERIFY2(FindPrintedCircle(image, *inPreview, window, &printed),
                 qPrintable(QStringLiteral("no outer ring found around (%1, %2)").arg(centre.x()).arg(centre.y())));
        QVERIFY(QLineF(printed.centre, inPreview->centre).length() < 0.25);
        QVERIFY(std::abs(printed.radius - inPreview->radius) < 0.25);
        // Four inner circles: the centre is printed black.
        QVERIFY(GreyAt(image, centre) < 60);
    }
}

QTEST_MAIN(tst_TargetSheetPdf)
#include "tst_targetsheetpdf.moc"
