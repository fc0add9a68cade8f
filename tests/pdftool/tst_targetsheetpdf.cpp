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

int GreyAt(const QImage &page, const QPointF &mm)
{
    const QPoint px(int(mm.x() * PxPerMm), int(mm.y() * PxPerMm));
    return page.rect().contains(px) ? qGray(page.pixel(px)) : 255;
}

// Distance from the centre, along a unit direction, of the darkest line within a window
// around the expected radius; negative when nothing dark is there.
double LineDistance(const QImage &page, const QPointF &centre, const QPointF &direction, double radius, double window)
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

    // The preview has its outer circles at the expected centres...
    QVector<QPointF> preview;
    for (QGraphicsItem *item : tool.PreviewScene()->items()) {
        auto *e = qgraphicsitem_cast<QGraphicsEllipseItem *>(item);
        if (e && std::abs(e->rect().width() - diameter) < 1e-9)
            preview.append(e->sceneBoundingRect().center());
    }
    QCOMPARE(preview.size(), centres.size());
    // Search no further than halfway to the next circle inwards (ten circles by default).
    const double window = std::min(4.0, diameter / 10 / 4);
    for (const QPointF &centre : centres) {
        QVERIFY(std::any_of(preview.begin(), preview.end(), [&](QPointF c) { return QLineF(c, centre).length() < 1e-6; }));
        // ...and the paper has the outer ring there, within a quarter millimetre, on rays that miss
        // the ring numbers (on the axes) and the position crosses (beyond the circle on the diagonals).
        for (int k = 0; k < 8; ++k) {
            const double angle = (22.5 + 45 * k) * M_PI / 180;
            const double t = LineDistance(image, centre, QPointF(std::cos(angle), std::sin(angle)), diameter / 2, window);
            QVERIFY2(std::abs(t - diameter / 2) < 0.25,
                     qPrintable(QStringLiteral("around (%1, %2) at %3 degrees: %4 mm").arg(centre.x()).arg(centre.y())
                                    .arg(22.5 + 45 * k).arg(t)));
        }
        // Four inner circles: the centre is printed black.
        QVERIFY(GreyAt(image, centre) < 60);
    }
}

QTEST_MAIN(tst_TargetSheetPdf)
#include "tst_targetsheetpdf.moc"
