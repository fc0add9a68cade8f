// Tests of FormTargetPDFTool: the ring target it draws, the preview page, its controls and retranslation.
#include "pdftool/formtargetpdftool.h"

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
#include <QtTest>

#include <algorithm>
#include <cmath>

namespace {

template<typename Item>
QList<Item *> ItemsOf(const QGraphicsScene *scene)
{
    QList<Item *> found;
    for (QGraphicsItem *item : scene->items()) {
        if (auto *typed = qgraphicsitem_cast<Item *>(item))
            found.append(typed);
    }
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

bool Near(double a, double b, double tolerance = 1e-6)
{
    return std::abs(a - b) <= tolerance;
}

// Answers the file question without a dialog.
class ScriptedTool : public FormTargetPDFTool
{
public:
    using FormTargetPDFTool::FormTargetPDFTool;
    int asked = 0;

protected:
    QString AskPdfFileName() override { ++asked; return QString(); }
};

// Stands in for a loaded English translation.
class EnglishTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        static const QHash<QString, QString> english{ { "Zielscheibengenerator", "Targets generator" },
                                                      { "Titel", "Title" },
                                                      { "PDF Erzeugen", "generate PDF" } };
        return qstrcmp(context, "FormTargetPDFTool") == 0 ? english.value(QString::fromUtf8(sourceText)) : QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class tst_FormTargetPDFTool : public QObject
{
    Q_OBJECT

private slots:
    void startValuesPage();
    void drawRingTarget_data();
    void drawRingTarget();
    void ringNumbersMatchTheirBands_data();
    void ringNumbersMatchTheirBands();
    void innerCircleCountClampedOnRedraw();
    void controlsRebuildThePage();
    void landscapeSwapsAndPreviewFits();
    void cancelledFileDialogWritesNothing();
    void retranslate();
};

void tst_FormTargetPDFTool::startValuesPage()
{
    FormTargetPDFTool tool;
    const QGraphicsScene *scene = tool.PreviewScene();
    QCOMPARE(scene->sceneRect(), QRectF(0, 0, 210, 297));

    const QList<QGraphicsEllipseItem *> ellipses = EllipsesByDiameter(scene);
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
    QVERIFY(Near(TextItem(scene, QStringLiteral("Titel"))->sceneBoundingRect().center().x(), 105));
    const QList<QGraphicsPixmapItem *> pixmaps = ItemsOf<QGraphicsPixmapItem>(scene);
    QCOMPARE(pixmaps.size(), 1);
    QVERIFY(Near(pixmaps.first()->sceneBoundingRect().bottomRight().x(), 202));
}

void tst_FormTargetPDFTool::drawRingTarget_data()
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
    QTest::newRow("all inner, centre number only") << 5 << 5 << true
        << QVector<bool>{ false, false, false, false, true } << 1 << 6 << QStringLiteral("5");
    QTest::newRow("no bullseye, left side only") << 20 << 10 << false
        << QVector<bool>{ true, false, false, false, false } << 19 << 10 << QString();
    QTest::newRow("centre number black without inner circles") << 4 << 0 << false
        << QVector<bool>{ false, false, true, false, true } << 4 << 0 << QStringLiteral("4");
    QTest::newRow("no circles draws nothing") << 0 << 0 << true << QVector<bool>(5, true) << 0 << 0 << QString();
}

void tst_FormTargetPDFTool::drawRingTarget()
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
        QVERIFY(Near(ellipses.last()->rect().width(), 460));
        QCOMPARE(ellipses.last()->rect().center(), centre);
    }

    const QList<QGraphicsSimpleTextItem *> texts = ItemsOf<QGraphicsSimpleTextItem>(&scene);
    QCOMPARE(texts.size(), numberTexts);
    QList<QGraphicsSimpleTextItem *> centred;
    for (QGraphicsSimpleTextItem *t : texts)
        if (QLineF(t->sceneBoundingRect().center(), centre).length() < 1e-6)
            centred.append(t);
    QCOMPARE(centred.size(), centreText.isEmpty() ? 0 : 1);
    if (!centreText.isEmpty()) {
        QCOMPARE(centred.first()->text(), centreText);
        // Readable on the black inner disc and on white paper alike.
        QCOMPARE(centred.first()->brush().color(), QColor(inner > 0 ? Qt::white : Qt::black));
    }
}

void tst_FormTargetPDFTool::ringNumbersMatchTheirBands_data()
{
    QTest::addColumn<int>("circles");
    QTest::addColumn<int>("inner");
    QTest::addColumn<double>("outer");
    QTest::newRow("start values") << 10 << 4 << 200.0;
    QTest::newRow("display target") << 20 << 7 << 460.0;
}

void tst_FormTargetPDFTool::ringNumbersMatchTheirBands()
{
    QFETCH(int, circles);
    QFETCH(int, inner);
    QFETCH(double, outer);

    FormTargetPDFTool tool;
    tool.SetCircles(circles);
    tool.SetInnerCircles(inner);
    tool.SetNumbers(true, true, true, true, false);
    QGraphicsScene scene;
    const QPointF centre(100, 100);
    tool.DrawRingTarget(centre, &scene, outer);

    const double halfStep = outer / circles / 2;
    QHash<QString, int> perNumber;
    for (QGraphicsSimpleTextItem *t : ItemsOf<QGraphicsSimpleTextItem>(&scene)) {
        const QPointF at = t->sceneBoundingRect().center() - centre;
        // On a line through the centre, in the middle of a band (up to half the line width).
        QVERIFY(Near(at.x(), 0) || Near(at.y(), 0));
        const double bands = std::max(std::abs(at.x()), std::abs(at.y())) / halfStep; // i - 0.5 outside circle i - 1
        const int i = int(std::ceil(bands));
        QVERIFY2(Near(bands, i - 0.5, 0.1 / halfStep + 1e-9),
                 qPrintable(QStringLiteral("'%1' at %2 bands").arg(t->text()).arg(bands)));
        QCOMPARE(t->text(), QString::number(circles + 1 - i));
        QCOMPARE(t->brush().color(), QColor(i <= inner ? Qt::white : Qt::black));
        ++perNumber[t->text()];
    }
    // Numbers 1 (outer band) to n - 1 (next to the innermost circle), four of each.
    QCOMPARE(perNumber.size(), circles - 1);
    for (int number = 1; number < circles; ++number)
        QCOMPARE(perNumber.value(QString::number(number)), 4);
}

void tst_FormTargetPDFTool::innerCircleCountClampedOnRedraw()
{
    FormTargetPDFTool tool;
    tool.SetInnerCircles(12);
    QCOMPARE(tool.GetInnerCircles(), 10);
    tool.SetCircles(3);
    QCOMPARE(tool.GetInnerCircles(), 3);
    // The nested redraw must not leave a second copy of the page behind.
    QCOMPARE(EllipsesByDiameter(tool.PreviewScene()).size(), 3 + 1);
    QCOMPARE(ItemsOf<QGraphicsLineItem>(tool.PreviewScene()).size(), 8);
}

void tst_FormTargetPDFTool::controlsRebuildThePage()
{
    FormTargetPDFTool tool;
    tool.findChild<QSpinBox *>(QStringLiteral("spinBoxTargetsX"))->setValue(2);
    tool.findChild<QDoubleSpinBox *>(QStringLiteral("doubleSpinBoxOuterDiameter"))->setValue(50);
    const QList<QGraphicsEllipseItem *> ellipses = EllipsesByDiameter(tool.PreviewScene());
    QCOMPARE(ellipses.size(), 2 * 11);
    QCOMPARE(ellipses.at(21)->rect().width(), 50.0);
    QCOMPARE(ellipses.at(20)->rect().center().x() + ellipses.at(21)->rect().center().x(), 55.0 + 155.0);

    tool.findChild<QCheckBox *>(QStringLiteral("checkBoxPositionCrosses"))->setChecked(false);
    QVERIFY(ItemsOf<QGraphicsLineItem>(tool.PreviewScene()).isEmpty());
    tool.findChild<QCheckBox *>(QStringLiteral("checkBoxWatermark"))->setChecked(false);
    QVERIFY(ItemsOf<QGraphicsPixmapItem>(tool.PreviewScene()).isEmpty());
    tool.findChild<QLineEdit *>(QStringLiteral("lineEditTitle"))->setText(QStringLiteral("Gruppe A"));
    QVERIFY(TextItem(tool.PreviewScene(), QStringLiteral("Gruppe A")));
}

void tst_FormTargetPDFTool::landscapeSwapsAndPreviewFits()
{
    FormTargetPDFTool tool;
    tool.resize(1000, 700);
    tool.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tool));
    auto *view = tool.findChild<QGraphicsView *>(QStringLiteral("graphicsView"));
    const QSize frame = tool.findChild<QWidget *>(QStringLiteral("framePreview"))->size();
    for (bool landscape : { true, false }) {
        tool.findChild<QRadioButton *>(landscape ? QStringLiteral("radioButtonLandscape")
                                                 : QStringLiteral("radioButtonPortrait"))->click();
        QCOMPARE(tool.PreviewScene()->sceneRect(), landscape ? QRectF(0, 0, 297, 210) : QRectF(0, 0, 210, 297));
        QCOMPARE(EllipsesByDiameter(tool.PreviewScene()).last()->rect().center(),
                 landscape ? QPointF(148.5, 105) : QPointF(105, 148.5));
        // The whole page, undistorted, filling the frame one way and centred the other (fractions dropped).
        const QRect g = view->geometry();
        QVERIFY(g.width() <= frame.width() && g.height() <= frame.height());
        QVERIFY(g.width() >= frame.width() - 1 || g.height() >= frame.height() - 1);
        QVERIFY(std::abs(frame.width() - g.right() - 1 - g.left()) <= 2 && std::abs(frame.height() - g.bottom() - 1 - g.top()) <= 2);
        QCOMPARE(view->transform().m22(), view->transform().m11());
        QCOMPARE(g.width(), int(view->transform().m11() * tool.PreviewScene()->sceneRect().width()));
    }
}

void tst_FormTargetPDFTool::cancelledFileDialogWritesNothing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString oldCurrent = QDir::currentPath();
    QDir::setCurrent(dir.path());
    ScriptedTool tool;
    tool.findChild<QPushButton *>(QStringLiteral("pushButtonMakePDF"))->click();
    QDir::setCurrent(oldCurrent);
    QCOMPARE(tool.asked, 1);
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

void tst_FormTargetPDFTool::retranslate()
{
    FormTargetPDFTool untouched;
    FormTargetPDFTool edited;
    edited.findChild<QLineEdit *>(QStringLiteral("lineEditTitle"))->setText(QStringLiteral("Verein"));

    EnglishTranslator english;
    QCoreApplication::installTranslator(&english);
    untouched.Retranslate();
    edited.Retranslate();
    QCoreApplication::removeTranslator(&english);

    QCOMPARE(untouched.windowTitle(), QStringLiteral("Targets generator"));
    QCOMPARE(untouched.findChild<QPushButton *>(QStringLiteral("pushButtonMakePDF"))->text(),
             QStringLiteral("generate PDF"));
    // The default title follows the language; a title of the user's own stays.
    QCOMPARE(untouched.findChild<QLineEdit *>(QStringLiteral("lineEditTitle"))->text(), QStringLiteral("Title"));
    QCOMPARE(edited.findChild<QLineEdit *>(QStringLiteral("lineEditTitle"))->text(), QStringLiteral("Verein"));
    QVERIFY(TextItem(untouched.PreviewScene(), QStringLiteral("Title")));
}

QTEST_MAIN(tst_FormTargetPDFTool)
#include "tst_formtargetpdftool.moc"
