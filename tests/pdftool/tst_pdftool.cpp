// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the target sheet generator: the grid of targets, the ring target it draws, the preview
// page and its controls, retranslation, and the written PDF read back with Poppler.
#include "pdftool/formtargetpdftool.h"
#include "pdftool/sheetlayout.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTranslator>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <memory>

#ifdef FIELDSHOT_POPPLER
#include <poppler-qt5.h>
#endif

namespace {

template<typename Item>
QList<Item *> ItemsOf(const QGraphicsScene *scene)
{
    QList<Item *> found;
    for (QGraphicsItem *item : scene->items())
        if (auto *typed = qgraphicsitem_cast<Item *>(item))
            found.append(typed);
    return found;
}

QList<QGraphicsEllipseItem *> EllipsesByDiameter(const QGraphicsScene *scene)
{
    QList<QGraphicsEllipseItem *> ellipses = ItemsOf<QGraphicsEllipseItem>(scene);
    std::sort(ellipses.begin(), ellipses.end(), [](QGraphicsEllipseItem *a, QGraphicsEllipseItem *b) {
        return a->rect().width() < b->rect().width();
    });
    return ellipses;
}

QGraphicsSimpleTextItem *TextItem(const QGraphicsScene *scene, const QString &text)
{
    for (QGraphicsSimpleTextItem *t : ItemsOf<QGraphicsSimpleTextItem>(scene))
        if (t->text() == text)
            return t;
    return nullptr;
}

bool Near(QPointF a, QPointF b, double tolerance = 1e-6)
{
    return QLineF(a, b).length() <= tolerance;
}

// Answers the file question without a dialog; an empty answer cancels.
class ScriptedTool : public FormTargetPDFTool
{
public:
    using FormTargetPDFTool::FormTargetPDFTool;
    QString answer;
    int asked = 0;

    template<typename Widget>
    Widget *Child(const char *name) const { return findChild<Widget *>(QLatin1String(name)); }

protected:
    QString AskPdfFileName() override
    {
        ++asked;
        return answer;
    }
};

} // namespace

class tst_PdfTool : public QObject
{
    Q_OBJECT

private slots:
    void sheetGrid_data()
    {
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<double>("diameter");
        QTest::addColumn<int>("countX");
        QTest::addColumn<int>("countY");
        QTest::addColumn<double>("gapX");
        QTest::addColumn<double>("gapY");
        QTest::addColumn<bool>("printed"); // also written as a PDF and read back
        QTest::addColumn<QVector<QPointF>>("centres");

        QTest::newRow("start values: one target in the page centre")
            << false << 200.0 << 1 << 1 << 50.0 << 50.0 << true << QVector<QPointF>{ { 105, 148.5 } };
        QTest::newRow("three in a row use the horizontal gap")
            << false << 60.0 << 3 << 1 << 5.0 << 0.0 << true
            << QVector<QPointF>{ { 40, 148.5 }, { 105, 148.5 }, { 170, 148.5 } };
        QTest::newRow("two above each other use the vertical gap")
            << false << 100.0 << 1 << 2 << 0.0 << 10.0 << false << QVector<QPointF>{ { 105, 93.5 }, { 105, 203.5 } };
        QTest::newRow("2 x 2 landscape, column by column")
            << true << 80.0 << 2 << 2 << 20.0 << 20.0 << true
            << QVector<QPointF>{ { 98.5, 55 }, { 98.5, 155 }, { 198.5, 55 }, { 198.5, 155 } };
        QTest::newRow("too large a grid runs off the page")
            << false << 200.0 << 2 << 1 << 10.0 << 10.0 << false << QVector<QPointF>{ { 0, 148.5 }, { 210, 148.5 } };
        QTest::newRow("no columns, no targets") << false << 200.0 << 0 << 1 << 50.0 << 50.0 << false << QVector<QPointF>{};
    }

    void sheetGrid()
    {
        QFETCH(bool, landscape);
        QFETCH(double, diameter);
        QFETCH(int, countX);
        QFETCH(int, countY);
        QFETCH(double, gapX);
        QFETCH(double, gapY);
        QFETCH(bool, printed);
        QFETCH(QVector<QPointF>, centres);

        const QSizeF page = SheetLayout::PageSize(landscape);
        const QVector<QPointF> got = SheetLayout::TargetCentres(page, diameter, countX, countY, gapX, gapY);
        QCOMPARE(got.size(), centres.size());
        for (int k = 0; k < got.size(); ++k)
            QVERIFY2(Near(got[k], centres[k]), qPrintable(QStringLiteral("target %1 at (%2, %3)").arg(k).arg(got[k].x()).arg(got[k].y())));
        if (countX == 0)
            return; // the dialog offers at least one column

        // The dialog's controls give the preview the same grid.
        QTemporaryDir dir;
        ScriptedTool tool;
        tool.answer = printed ? dir.filePath(QStringLiteral("sheet.pdf")) : QString();
        if (landscape)
            tool.Child<QRadioButton>("radioButtonLandscape")->click();
        tool.Child<QSpinBox>("spinBoxTargetsX")->setValue(countX);
        tool.Child<QSpinBox>("spinBoxTargetsY")->setValue(countY);
        tool.Child<QDoubleSpinBox>("doubleSpinBoxOuterDiameter")->setValue(diameter);
        tool.Child<QDoubleSpinBox>("doubleSpinBoxDistX")->setValue(gapX);
        tool.Child<QDoubleSpinBox>("doubleSpinBoxDistY")->setValue(gapY);
        QVector<QPointF> preview;
        for (QGraphicsEllipseItem *e : ItemsOf<QGraphicsEllipseItem>(tool.PreviewScene()))
            if (std::abs(e->rect().width() - diameter) < 1e-9)
                preview.append(e->sceneBoundingRect().center());
        QCOMPARE(preview.size(), centres.size());
        for (const QPointF &centre : centres)
            QVERIFY(std::any_of(preview.begin(), preview.end(), [&](QPointF c) { return Near(c, centre); }));

        // A cancelled file question writes nothing.
        tool.Child<QPushButton>("pushButtonMakePDF")->click();
        QCOMPARE(tool.asked, 1);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), printed ? 1 : 0);
    #ifdef FIELDSHOT_POPPLER
        if (!printed)
            return;
        // One page of A4 in the chosen orientation, with each target's black centre where the preview has it.
        std::unique_ptr<Poppler::Document> document(Poppler::Document::load(tool.answer));
        QVERIFY2(document && !document->isLocked() && document->numPages() == 1, "one readable page");
        std::unique_ptr<Poppler::Page> pdfPage(document->page(0));
        QVERIFY(std::abs(pdfPage->pageSizeF().width() - page.width() * 72 / 25.4) < 1
                && std::abs(pdfPage->pageSizeF().height() - page.height() * 72 / 25.4) < 1);
        const QImage image = pdfPage->renderToImage(150, 150);
        const auto grey = [&](QPointF mm) { return qGray(image.pixel((mm * 150 / 25.4).toPoint())); };
        for (const QPointF &centre : centres)
            QVERIFY(grey(centre) < 60);
    #endif
    }

    void startPageAndControls()
    {
        ScriptedTool tool;
        const QGraphicsScene *scene = tool.PreviewScene();
        QCOMPARE(scene->sceneRect(), QRectF(0, 0, 210, 297));
        QList<QGraphicsEllipseItem *> ellipses = EllipsesByDiameter(scene);
        QCOMPARE(ellipses.size(), 11); // ten circles and the bullseye
        QCOMPARE(ellipses.first()->rect(), QRectF(100, 143.5, 10, 10)); // bullseye
        QCOMPARE(ellipses.at(1)->rect(), QRectF(95, 138.5, 20, 20));    // innermost circle
        QCOMPARE(ellipses.last()->rect(), QRectF(5, 48.5, 200, 200));   // outer circle

        // Four crosses at the corners of the target's square, two lines each.
        const QList<QGraphicsLineItem *> lines = ItemsOf<QGraphicsLineItem>(scene);
        QCOMPARE(lines.size(), 8);
        for (const QPointF &corner : { QPointF(5, 48.5), QPointF(205, 48.5), QPointF(205, 248.5), QPointF(5, 248.5) })
            QCOMPARE(std::count_if(lines.begin(), lines.end(), [&](QGraphicsLineItem *l) { return l->line().center() == corner; }), 2);
        // The title centred above, the watermark logo in the bottom right corner.
        QVERIFY(std::abs(TextItem(scene, QStringLiteral("Titel"))->sceneBoundingRect().center().x() - 105) < 1e-6);
        const QList<QGraphicsPixmapItem *> pixmaps = ItemsOf<QGraphicsPixmapItem>(scene);
        QCOMPARE(pixmaps.size(), 1);
        QVERIFY(std::abs(pixmaps.first()->sceneBoundingRect().right() - 202) < 1e-6);

        // The inner circle count is clamped, and the nested redraw leaves no second copy of the page.
        tool.SetInnerCircles(12);
        QCOMPARE(tool.GetInnerCircles(), 10);
        tool.SetCircles(3);
        QCOMPARE(tool.GetInnerCircles(), 3);
        QCOMPARE(EllipsesByDiameter(scene).size(), 3 + 1);
        QCOMPARE(ItemsOf<QGraphicsLineItem>(scene).size(), 8);

        tool.Child<QCheckBox>("checkBoxPositionCrosses")->setChecked(false);
        QVERIFY(ItemsOf<QGraphicsLineItem>(scene).isEmpty());
        tool.Child<QCheckBox>("checkBoxWatermark")->setChecked(false);
        QVERIFY(ItemsOf<QGraphicsPixmapItem>(scene).isEmpty());

        // The default title follows the language; a title of the user's own stays.
        QTranslator english;
        QVERIFY(english.load(QStringLiteral(":Gui/fieldshot_en")));
        QCoreApplication::installTranslator(&english);
        tool.Retranslate();
        QCOMPARE(tool.windowTitle(), QStringLiteral("Targets generator"));
        QCOMPARE(tool.Child<QPushButton>("pushButtonMakePDF")->text(), QStringLiteral("generate PDF"));
        QVERIFY(TextItem(scene, QStringLiteral("Title")));
        tool.Child<QLineEdit>("lineEditTitle")->setText(QStringLiteral("Gruppe A"));
        tool.Retranslate();
        QCoreApplication::removeTranslator(&english);
        QVERIFY(TextItem(scene, QStringLiteral("Gruppe A")));
    }

    void drawRingTarget_data()
    {
        QTest::addColumn<int>("circles");
        QTest::addColumn<int>("inner");
        QTest::addColumn<bool>("bullseye");
        QTest::addColumn<QVector<bool>>("numbers"); // left, right, top, bottom, centre
        QTest::addColumn<int>("numberTexts");
        QTest::addColumn<int>("blackDiscs");
        QTest::addColumn<QString>("centreText");

        const QVector<bool> fourSides{ true, true, true, true, false };
        QTest::newRow("start values") << 10 << 4 << true << fourSides << 36 << 5 << QString();
        QTest::newRow("display target") << 20 << 7 << true << fourSides << 76 << 8 << QString();
        QTest::newRow("all inner, centre number only") << 5 << 5 << true
            << QVector<bool>{ false, false, false, false, true } << 1 << 6 << QStringLiteral("5");
        QTest::newRow("no bullseye, left side only") << 20 << 10 << false
            << QVector<bool>{ true, false, false, false, false } << 19 << 10 << QString();
        QTest::newRow("centre number black without inner circles") << 4 << 0 << false
            << QVector<bool>{ false, false, true, false, true } << 4 << 0 << QStringLiteral("4");
        QTest::newRow("no circles draws nothing") << 0 << 0 << true << QVector<bool>(5, true) << 0 << 0 << QString();
    }

    void drawRingTarget()
    {
        QFETCH(int, circles);
        QFETCH(int, inner);
        QFETCH(bool, bullseye);
        QFETCH(QVector<bool>, numbers);
        QFETCH(int, numberTexts);
        QFETCH(int, blackDiscs);
        QFETCH(QString, centreText);

        // As the display target uses it: an unshown tool drawing into another scene.
        FormTargetPDFTool tool;
        tool.SetCircles(circles);
        tool.SetInnerCircles(inner);
        tool.SetBullseye(bullseye);
        tool.SetNumbers(numbers[0], numbers[1], numbers[2], numbers[3], numbers[4]);
        QGraphicsScene scene;
        const QPointF centre(320, 240);
        tool.DrawRingTarget(centre, &scene, 460);

        for (QGraphicsItem *item : scene.items())
            QVERIFY2(item->zValue() >= 800 && item->zValue() <= 900, "stays in the display target's z band");
        const QList<QGraphicsEllipseItem *> ellipses = EllipsesByDiameter(&scene);
        QCOMPARE(ellipses.size(), circles == 0 ? 0 : circles + (bullseye ? 1 : 0));
        QCOMPARE(std::count_if(ellipses.begin(), ellipses.end(), [](QGraphicsEllipseItem *e) {
                     return e->brush().style() == Qt::SolidPattern && e->brush().color() == QColor(Qt::black);
                 }), blackDiscs);
        if (circles > 0) {
            QVERIFY(std::abs(ellipses.last()->rect().width() - 460) < 1e-6);
            QCOMPARE(ellipses.last()->rect().center(), centre);
        }

        // Each side number sits on a line through the centre in the middle of its band (up to half
        // the line width): the outer band carries 1, the band next to the innermost circle n - 1;
        // white on the black inner circles, black on white paper.
        const double halfStep = 460.0 / qMax(circles, 1) / 2;
        const QList<QGraphicsSimpleTextItem *> texts = ItemsOf<QGraphicsSimpleTextItem>(&scene);
        QCOMPARE(texts.size(), numberTexts);
        int centred = 0;
        for (QGraphicsSimpleTextItem *t : texts) {
            const QPointF at = t->sceneBoundingRect().center() - centre;
            if (Near(at, QPointF())) {
                ++centred;
                QCOMPARE(t->text(), centreText);
                QCOMPARE(t->brush().color(), QColor(inner > 0 ? Qt::white : Qt::black));
                continue;
            }
            QVERIFY(std::abs(at.x()) < 1e-6 || std::abs(at.y()) < 1e-6);
            const double bands = std::max(std::abs(at.x()), std::abs(at.y())) / halfStep; // i - 0.5 outside circle i - 1
            const int i = int(std::ceil(bands));
            QVERIFY2(std::abs(bands - (i - 0.5)) <= 0.1 / halfStep + 1e-9,
                     qPrintable(QStringLiteral("'%1' at %2 bands").arg(t->text()).arg(bands)));
            QCOMPARE(t->text(), QString::number(circles + 1 - i));
            QCOMPARE(t->brush().color(), QColor(i <= inner ? Qt::white : Qt::black));
        }
        QCOMPARE(centred, centreText.isEmpty() ? 0 : 1);
    }

    void savedOrWhyNot()
    {
        QTemporaryDir dir;
        ScriptedTool tool;
        QSignalSpy status(&tool, &FormTargetPDFTool::StatusMessage);
        auto *make = tool.Child<QPushButton>("pushButtonMakePDF");
        // A name without an extension gets ".pdf"; the message says where the sheet went.
        tool.answer = dir.filePath(QStringLiteral("sheet"));
        make->click();
        const QString written = dir.filePath(QStringLiteral("sheet.pdf"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("sheet.pdf")});
        QFile pdf(written);
        QVERIFY(pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-");
        QCOMPARE(status.takeFirst().at(0).toString(), QStringLiteral("PDF gespeichert: ") + QDir::toNativeSeparators(written));
        // A folder that is not there: nothing written, and the reason named.
        tool.answer = dir.filePath(QStringLiteral("gone/sheet.pdf"));
        make->click();
        const QString failed = status.takeFirst().at(0).toString();
        QVERIFY2(failed.startsWith(QStringLiteral("Nichts gespeichert: ") + QDir::toNativeSeparators(tool.answer) + " (")
                     && failed.endsWith(')') && !failed.endsWith("()"),
                 qPrintable(failed));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("sheet.pdf")});
        QVERIFY(status.isEmpty());
    }

    void landscapeSwapsAndPreviewFits()
    {
        ScriptedTool tool;
        tool.resize(1000, 700);
        tool.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tool));
        const auto *view = tool.Child<QGraphicsView>("graphicsView");
        const QSize frame = tool.Child<QWidget>("framePreview")->size();
        for (bool landscape : { true, false }) {
            tool.Child<QRadioButton>(landscape ? "radioButtonLandscape" : "radioButtonPortrait")->click();
            const QRectF page = tool.PreviewScene()->sceneRect();
            QCOMPARE(page.size(), landscape ? QSizeF(297, 210) : QSizeF(210, 297));
            // The whole page, undistorted, filling the frame one way and centred the other (fractions dropped).
            const QRect g = view->geometry();
            QVERIFY(g.width() <= frame.width() && g.height() <= frame.height());
            QVERIFY(g.width() >= frame.width() - 1 || g.height() >= frame.height() - 1);
            QVERIFY(std::abs(frame.width() - g.right() - 1 - g.left()) <= 2 && std::abs(frame.height() - g.bottom() - 1 - g.top()) <= 2);
            QCOMPARE(view->transform().m22(), view->transform().m11());
            QCOMPARE(g.width(), int(view->transform().m11() * page.width()));
        }
    }
};

QTEST_MAIN(tst_PdfTool)
#include "tst_pdftool.moc"
