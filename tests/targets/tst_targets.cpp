// Tests of the targets: their geometry and row text, and the target list and ring generator of
// the real main window (naming, properties, restacking, duplicates, deletion, visibility).
#include "../common/mainwindowtest.h"

#include "targetgeometry.h"

#include <QApplication>
#include <QGraphicsEllipseItem>
#include <QGraphicsPolygonItem>
#include <QInputDialog>
#include <QtTest>

class TestTargets : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void mapRect_data();
    void mapRect();
    void moveBoxCorner_data();
    void moveBoxCorner();
    void clampCornerToQuarter_data();
    void clampCornerToQuarter();
    void rowText();

    void defaultNamesCountRows();
    void controlsFollowTheSelection_data();
    void controlsFollowTheSelection();
    void typeChangeKeepsScore();
    void restackByRowOrder();
    void duplicate();
    void deleteButtonAndKey();
    void addModeButtons();
    void pagesSetVisibility();

    void rings_data();
    void rings();
    void ringDialog();

private:
    Target *AddRect(const QRectF &r) { return MainWindowTest::AddRect(window, r); }
    void SelectRows(const QList<int> &rows) { MainWindowTest::SelectRows(window, rows); }
    QString Name() const { return window->ui->lineEditTargetName->text(); }

    MainWindow *window = nullptr;
};

void TestTargets::init()
{
    window = MainWindowTest::Open(1);
    QVERIFY2(window, "the camera library beside the test was not loaded");
}

void TestTargets::cleanup()
{
    delete window;
    window = nullptr;
}

void TestTargets::mapRect_data()
{
    QTest::addColumn<QPointF>("p");
    QTest::addColumn<QRectF>("from");
    QTest::addColumn<QRectF>("to");
    QTest::addColumn<QPointF>("expected");
    QTest::newRow("axes scale apart") << QPointF(110, 70) << QRectF(10, 20, 100, 50) << QRectF(0, 0, 300, 25)
                                      << QPointF(300, 25);
    QTest::newRow("outside extrapolates") << QPointF(-10, 0) << QRectF(0, 0, 10, 10) << QRectF(0, 0, 20, 20)
                                          << QPointF(-20, 0);
    QTest::newRow("collapsed source") << QPointF(5, 5) << QRectF(5, 0, 0, 10) << QRectF(1, 2, 3, 4) << QPointF(1, 4);
}

void TestTargets::mapRect()
{
    QFETCH(QPointF, p);
    QFETCH(QRectF, from);
    QFETCH(QRectF, to);
    QFETCH(QPointF, expected);
    QCOMPARE(MapRect(p, from, to), expected);
}

void TestTargets::moveBoxCorner_data()
{
    QTest::addColumn<int>("corner");
    QTest::addColumn<QPointF>("delta");
    QTest::addColumn<QRectF>("expected"); // bounding box of the moved corners
    QTest::newRow("top-right outward") << 1 << QPointF(10, -20) << QRectF(100, 80, 210, 120);
    QTest::newRow("bottom-left outward") << 3 << QPointF(-10, 20) << QRectF(90, 100, 210, 120);
    QTest::newRow("top-left inward") << 0 << QPointF(50, 30) << QRectF(150, 130, 150, 70);
    QTest::newRow("top-left past bottom-right") << 0 << QPointF(250, 130) << QRectF(300, 200, 50, 30);
}

void TestTargets::moveBoxCorner()
{
    QFETCH(int, corner);
    QFETCH(QPointF, delta);
    QFETCH(QRectF, expected);
    BoxCorners corners = BoxCornersOf(QRectF(100, 100, 200, 100));
    MoveBoxCorner(corners, corner, delta);
    // Still a rectangle, never of negative size.
    QCOMPARE(QPolygonF(QVector<QPointF>(corners.begin(), corners.end())).boundingRect(), expected);
    for (const QPointF &p : corners)
        QVERIFY((p.x() == expected.left() || p.x() == expected.right())
                && (p.y() == expected.top() || p.y() == expected.bottom()));
}

void TestTargets::clampCornerToQuarter_data()
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

void TestTargets::clampCornerToQuarter()
{
    QFETCH(int, corner);
    QFETCH(QPointF, p);
    QFETCH(QPointF, expected);
    QCOMPARE(ClampCornerToQuarter(corner, p), expected);
}

void TestTargets::rowText()
{
    // Names pad to 15 characters (see the list rows below); longer ones are not cut, '%' stays text.
    QCOMPARE(TargetRowText(QStringLiteral("A very long target name"), 5), QStringLiteral("A very long target name:5"));
    QCOMPARE(TargetRowText(QStringLiteral("50%1 %2"), -3), QStringLiteral("50%1 %2        :-3"));
}

void TestTargets::defaultNamesCountRows()
{
    for (int i = 0; i < 3; ++i)
        AddRect(QRectF(10 + 50 * i, 10, 40, 40));
    window->RemoveTarget(window->Targets().first());
    Target *last = AddRect(QRectF(300, 300, 40, 40));
    QStringList names;
    for (Target *t : window->Targets())
        names << t->name;
    // The number counts rows, not targets ever made.
    QCOMPARE(names, QStringList({"Target No. 2", "Target No. 3", "Target No. 3"}));
    QCOMPARE(last->score, 1);
    QCOMPARE(window->SelectedTarget(), last); // a new target is the one selected
}

void TestTargets::controlsFollowTheSelection_data()
{
    // Rows 0 and 1 plain targets, row 2 the target of corrected rings.
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QString>("name"); // what the name field shows
    QTest::addColumn<bool>("props");
    QTest::addColumn<bool>("duplicate");
    QTest::addColumn<bool>("remove");
    QTest::newRow("one target") << QList<int>{1} << "Target No. 2" << true << true << true;
    QTest::newRow("two: the fields belong to nobody") << QList<int>{0, 1} << "" << false << true << true;
    QTest::newRow("corrected target") << QList<int>{2} << "Target No. 3" << false << false << true;
    QTest::newRow("corrected among others") << QList<int>{0, 2} << "" << false << false << true;
    QTest::newRow("nothing") << QList<int>() << "" << false << false << false;
}

void TestTargets::controlsFollowTheSelection()
{
    QFETCH(QList<int>, rows);
    QFETCH(QString, name);
    QFETCH(bool, props);
    QFETCH(bool, duplicate);
    QFETCH(bool, remove);
    AddRect(QRectF(10, 10, 40, 40));
    AddRect(QRectF(100, 10, 40, 40));
    AddRect(QRectF(128, 96, 384, 288))->type = int(TargetType::CorrectedRings);
    const QList<Target *> targets = window->Targets();
    SelectRows(rows);
    QCOMPARE(Name(), name);
    QCOMPARE(window->ui->spinBoxTargetScore->text().isEmpty(), name.isEmpty());
    QCOMPARE(window->ui->frameTargetProps->isEnabled(), props);
    QCOMPARE(window->ui->pushButtonDuplicateTarget->isEnabled(), duplicate);
    QCOMPARE(window->ui->pushButtonDeleteTarget->isEnabled(), remove);
    QCOMPARE(window->SelectedTarget(), rows.size() == 1 ? targets[rows[0]] : nullptr);
    QCOMPARE(window->scene->selectedItems.size(), rows.size());

    // Edits reach only a target that owns the fields; the corrected target keeps its type.
    window->ui->frameTargetProps->setEnabled(true);
    window->ui->lineEditTargetName->setText(QStringLiteral("Edited"));
    window->ui->comboBoxTargetType->setCurrentIndex(1);
    for (int r = 0; r < targets.size(); ++r) {
        const bool edited = props && rows.contains(r);
        if (r < 2)
            QCOMPARE(targets[r]->name == QLatin1String("Edited"), edited);
        QCOMPARE(targets[r]->type, int(edited ? TargetType::StartButton
                                       : r == 2 ? TargetType::CorrectedRings
                                                : TargetType::Target));
    }
}

void TestTargets::typeChangeKeepsScore()
{
    Target *t = AddRect(QRectF(10, 10, 40, 40));
    window->ui->lineEditTargetName->setText(QStringLiteral("Door"));
    window->ui->spinBoxTargetScore->setValue(-7);
    QCOMPARE(t->listItem->text(), QStringLiteral("Door           :-7"));
    window->ui->comboBoxTargetType->setCurrentIndex(1);
    QCOMPARE(t->type, int(TargetType::StartButton));
    QVERIFY(!window->ui->spinBoxTargetScore->isEnabled());
    // Deselected, it shows the colour its new role has now.
    window->colors[2] = QColor(10, 20, 30);
    window->SelectTargetsByItems({});
    QCOMPARE(t->item->pen().color(), QColor(10, 20, 30));

    SelectRows({0});
    window->ui->comboBoxTargetType->setCurrentIndex(0);
    QVERIFY(window->ui->spinBoxTargetScore->isEnabled());
    QCOMPARE(t->listItem->text(), QStringLiteral("Door           :-7"));
}

void TestTargets::restackByRowOrder()
{
    Target *a = AddRect(QRectF(0, 0, 100, 100));
    window->scene->AddEllipseTarget(QRectF(50, 50, 100, 100));
    Target *b = window->Targets().last();
    const QPointF overlap(75, 75);
    QCOMPARE(window->TargetAt(overlap), a);
    QCOMPARE(window->TargetAt(QPointF(140, 100)), b);
    QCOMPARE(window->TargetAt(QPointF(300, 300)), nullptr);

    // What dragging row 1 to the top does to the model.
    QVERIFY(window->ui->listWidgetTargets->model()->moveRow(QModelIndex(), 1, QModelIndex(), 0));
    QCOMPARE(TargetOfRow(window->ui->listWidgetTargets->item(0)), b);
    QVERIFY(b->item->zValue() > a->item->zValue());
    QCOMPARE(window->TargetAt(overlap), b);
}

void TestTargets::duplicate()
{
    Target *source = AddRect(QRectF(10, 20, 40, 30));
    window->ui->lineEditTargetName->setText(QStringLiteral("Plate"));
    window->ui->spinBoxTargetScore->setValue(4);
    window->ui->comboBoxTargetType->setCurrentIndex(2);
    source->hits = 3;
    window->ui->pushButtonDuplicateTarget->click();

    Target *copy = window->Targets().last();
    QVERIFY(copy != source);
    QCOMPARE(copy->type, int(TargetType::IgnoreArea));
    QCOMPARE(copy->hits, 3);
    QCOMPARE(copy->listItem->text(), QStringLiteral("Plate          :4"));
    QCOMPARE(qgraphicsitem_cast<QGraphicsPolygonItem *>(copy->item)->polygon(),
             qgraphicsitem_cast<QGraphicsPolygonItem *>(source->item)->polygon());
    // Exactly the copy is selected; the source is back in its type colours.
    QCOMPARE(window->SelectedTarget(), copy);
    QCOMPARE(source->item->pen().color(), window->colors.at(3));

    // An ellipse copy grows by one unit on every side, and its copy by another.
    window->scene->AddEllipseTarget(QRectF(100, 100, 50, 40));
    for (const QRectF &grown : {QRectF(99, 99, 52, 42), QRectF(98, 98, 54, 44)}) {
        window->ui->pushButtonDuplicateTarget->click();
        auto *ellipse = qgraphicsitem_cast<QGraphicsEllipseItem *>(window->Targets().last()->item);
        QVERIFY(ellipse);
        QCOMPARE(ellipse->rect(), grown);
    }
    QCOMPARE(window->Targets().size(), 5);
}

void TestTargets::deleteButtonAndKey()
{
    Target *a = AddRect(QRectF(10, 10, 40, 40));
    AddRect(QRectF(100, 10, 40, 40));
    AddRect(QRectF(128, 96, 384, 288))->type = int(TargetType::CorrectedRings);
    QGraphicsItem *shapeA = a->item;
    // The target of corrected rings cannot be duplicated, but it can be deleted.
    SelectRows({0, 2});
    window->ui->pushButtonDeleteTarget->click();
    QCOMPARE(window->Targets().size(), 1);
    QCOMPARE(window->Targets().first()->name, QStringLiteral("Target No. 2"));
    QCOMPARE(window->FindCorrectedTarget(), nullptr);
    QVERIFY(!window->scene->items().contains(shapeA));

    // The key deletes on the Targets page only.
    window->SetPage(2);
    SelectRows({0});
    QTest::keyClick(window, Qt::Key_Delete);
    QCOMPARE(window->Targets().size(), 1);
}

void TestTargets::addModeButtons()
{
    Target *t = AddRect(QRectF(10, 10, 40, 40));
    QPushButton *rect = window->ui->pushButtonAddRectTarget;
    QPushButton *circle = window->ui->pushButtonAddCircleTarget;
    rect->click(); // drawing deselects
    QVERIFY(window->ui->listWidgetTargets->selectedItems().isEmpty());
    circle->click();
    QCOMPARE(window->addMode, int(AddMode::Circle));
    QVERIFY(!rect->isChecked());
    circle->click(); // the active one again ends the mode
    QCOMPARE(window->addMode, int(AddMode::None));
    QVERIFY(!circle->isChecked());
    QCOMPARE(t->item->cursor().shape(), Qt::OpenHandCursor);
}

void TestTargets::pagesSetVisibility()
{
    Target *target = AddRect(QRectF(10, 10, 40, 40));
    Target *ignore = AddRect(QRectF(100, 10, 40, 40));
    ignore->type = int(TargetType::IgnoreArea);
    SelectRows({0});

    window->SetPage(2);
    QVERIFY(window->ui->listWidgetTargets->selectedItems().isEmpty());
    QVERIFY(target->item->isVisible() && !ignore->item->isVisible());
    window->SetPage(0);
    QVERIFY(!target->item->isVisible());
    window->SetPage(1);
    QVERIFY(target->item->isVisible() && ignore->item->isVisible());

    // A new project leaves only the camera pictures and the editing items.
    window->ClearProject();
    QCOMPARE(window->ui->listWidgetTargets->count(), 0);
    for (QGraphicsItem *item : window->scene->items())
        QVERIFY(item->zValue() >= 998 || item->zValue() == -1000);
}

void TestTargets::rings_data()
{
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("step"); // diameter of the innermost ring, and how much each next one adds
    QTest::newRow("1") << true << 1 << 400;
    QTest::newRow("3") << true << 3 << 133;
    QTest::newRow("5") << true << 5 << 80;
    QTest::newRow("25") << true << 25 << 16;
    QTest::newRow("none (never offered): nothing selected") << true << 0 << 0;
    QTest::newRow("cancelled: even the selection stays") << false << 5 << 0;
}

void TestTargets::rings()
{
    QFETCH(bool, ok);
    QFETCH(int, n);
    QFETCH(int, step);
    // A target made before the rings; it stays in front of them.
    Target *before = AddRect(QRectF(500, 20, 40, 40));
    window->askRingCount = [ok, n](bool *answered) { *answered = ok; return n; };
    window->ui->pushButtonGenerateTarget->click();
    const QList<Target *> targets = window->Targets();
    if (!ok || n == 0) {
        QCOMPARE(targets.size(), 1);
        QCOMPARE(before->listItem->isSelected(), !ok);
        return;
    }
    QCOMPARE(targets.size(), n + 1);
    QVERIFY(!before->listItem->isSelected());
    for (int i = 0; i < n; ++i) {
        const Target *t = targets[i + 1];
        auto *ellipse = qgraphicsitem_cast<QGraphicsEllipseItem *>(t->item);
        QVERIFY(ellipse);
        const int d = step * (i + 1);
        QCOMPARE(ellipse->rect(), QRectF(320 - d / 2.0, 240 - d / 2.0, d, d));
        QCOMPARE(t->name, QStringLiteral("Ring %1").arg(n - i));
        QCOMPARE(t->score, n - i);
        QVERIFY(t->listItem->isSelected());
    }
    // With several rings selected nobody owns the property fields.
    QCOMPARE(window->ui->frameTargetProps->isEnabled(), n == 1);
    // The innermost ring lies in front, so a shot at the centre scores it.
    QCOMPARE(window->TargetAt(QPointF(320, 240)), targets[1]);
    QCOMPARE(window->TargetAt(QPointF(320, 41)), targets[n]);
}

void TestTargets::ringDialog()
{
    QStringList asked;
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&] {
        if (auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
            answer.stop();
            asked << dialog->windowTitle() << dialog->labelText()
                  << QStringLiteral("%1 %2-%3").arg(dialog->intValue()).arg(dialog->intMinimum()).arg(dialog->intMaximum());
            dialog->setIntValue(2);
            dialog->accept();
        }
    });
    answer.start(10);
    window->ui->pushButtonGenerateTarget->click();
    QCOMPARE(asked, QStringList({"Ringscheibe", "Wie viele Ringe soll die Scheibe haben?", "5 1-25"}));
    QCOMPARE(window->Targets().size(), 2);
}

QTEST_MAIN(TestTargets)
#include "tst_targets.moc"
