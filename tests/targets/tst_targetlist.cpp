// Tests of the target list on the real main window: naming, properties, restacking, duplicates, deletion.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "../common/scenemouse.h"
#include "target.h"
#include "targetstyle.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsPolygonItem>
#include <QtTest>

class TestTargetList : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void defaultNamesCountRows();
    void rowTextFollowsNameAndScore();
    void typeChangeKeepsScore();
    void twoRowsClearTheFields();
    void correctedTargetBlocksDuplicateNotDelete();
    void restackByRowOrder();
    void duplicatePolygon();
    void duplicatedEllipseGrowsByOutline();
    void copyErrorStopsDuplication();
    void deleteButtonAndKey();
    void addModeButtons();
    void allTargetsHit();
    void pagesSetVisibilityAndCursors();
    void clearProject();

private:
    Target *AddRect(const QRectF &r);
    Target *AddEllipse(const QRectF &r);
    void SelectRows(const QList<int> &rows);

    MainWindow *window = nullptr;
};

void TestTargetList::init()
{
    window = new MainWindow;
    QVERIFY2(window->IsConfigured(), "the camera library beside the test was not loaded");
    window->SetPage(1);
}

void TestTargetList::cleanup()
{
    delete window;
    window = nullptr;
}

Target *TestTargetList::AddRect(const QRectF &r)
{
    window->scene->AddPolygonTarget(QPolygonF(r) );
    return window->Targets().last();
}

Target *TestTargetList::AddEllipse(const QRectF &r)
{
    window->scene->AddEllipseTarget(r);
    return window->Targets().last();
}

void TestTargetList::SelectRows(const QList<int> &rows)
{
    QListWidget *list = window->ui->listWidgetTargets;
    list->clearSelection();
    for (int r : rows)
        list->item(r)->setSelected(true);
}

void TestTargetList::defaultNamesCountRows()
{
    for (int i = 0; i < 3; ++i)
        AddRect(QRectF(10 + 50 * i, 10, 40, 40));
    window->RemoveTarget(window->Targets().first());
    AddRect(QRectF(300, 300, 40, 40));
    QStringList names;
    for (Target *t : window->Targets())
        names << t->name;
    // The number counts rows, not targets ever made.
    QCOMPARE(names, QStringList({"Target No. 2", "Target No. 3", "Target No. 3"}));
    Target *last = window->Targets().last();
    QCOMPARE(last->score, 1);
    QCOMPARE(last->type, int(TargetType::Target));
    QCOMPARE(last->item->pos(), QPointF(0, 0));
    QCOMPARE(TargetOfRow(window->ui->listWidgetTargets->item(2)), last);
    // A new target is the one selected target.
    QCOMPARE(window->SelectedTarget(), last);
}

void TestTargetList::rowTextFollowsNameAndScore()
{
    Target *t = AddRect(QRectF(10, 10, 40, 40));
    QCOMPARE(t->listItem->text(), QStringLiteral("Target No. 1   :1"));
    window->ui->lineEditTargetName->setText(QStringLiteral("Door"));
    window->ui->spinBoxTargetScore->setValue(-7);
    QCOMPARE(t->name, QStringLiteral("Door"));
    QCOMPARE(t->score, -7);
    QCOMPARE(t->listItem->text(), QStringLiteral("Door           :-7"));

    // With two rows selected the fields belong to nobody.
    AddRect(QRectF(100, 10, 40, 40));
    SelectRows({0, 1});
    window->ui->frameTargetProps->setEnabled(true);
    window->ui->lineEditTargetName->setText(QStringLiteral("Nobody"));
    QCOMPARE(t->name, QStringLiteral("Door"));
}

void TestTargetList::typeChangeKeepsScore()
{
    Target *t = AddRect(QRectF(10, 10, 40, 40));
    window->ui->spinBoxTargetScore->setValue(7);
    window->ui->comboBoxTargetType->setCurrentIndex(1);
    QCOMPARE(t->type, int(TargetType::StartButton));
    QVERIFY(!window->ui->spinBoxTargetScore->isEnabled());
    QCOMPARE(t->score, 7);
    // Still selected: restyled by its new type under the selection pen.
    QCOMPARE(t->item->pen(), SelectionPen());
    QCOMPARE(t->item->brush().color().rgb(), window->colors.at(2).rgb());

    // Deselected: the role colour as it is now, with the faint hatch.
    window->colors[2] = QColor(10, 20, 30);
    window->SelectTargetsByItems({});
    QCOMPARE(t->item->pen().color(), QColor(10, 20, 30));
    QCOMPARE(t->item->brush(), QBrush(QColor(10, 20, 30, 20), Qt::FDiagPattern));
    SelectRows({0});
    window->ui->comboBoxTargetType->setCurrentIndex(0);
    QVERIFY(window->ui->spinBoxTargetScore->isEnabled());
    QCOMPARE(t->score, 7);
    QCOMPARE(t->listItem->text(), QStringLiteral("Target No. 1   :7"));
}

void TestTargetList::twoRowsClearTheFields()
{
    AddRect(QRectF(10, 10, 40, 40));
    AddRect(QRectF(100, 10, 40, 40));
    SelectRows({0, 1});
    QVERIFY(window->ui->lineEditTargetName->text().isEmpty());
    QVERIFY(window->ui->spinBoxTargetScore->text().isEmpty());
    QVERIFY(!window->ui->frameTargetProps->isEnabled());
    QVERIFY(window->ui->pushButtonDuplicateTarget->isEnabled());
    QVERIFY(window->ui->pushButtonDeleteTarget->isEnabled());
    QCOMPARE(window->SelectedTarget(), nullptr);
    QCOMPARE(window->scene->selectedItems.size(), 2);

    // Back to one: the fields show it again.
    SelectRows({1});
    QCOMPARE(window->ui->lineEditTargetName->text(), QStringLiteral("Target No. 2"));
    QCOMPARE(window->ui->spinBoxTargetScore->text(), QStringLiteral("1"));
    QVERIFY(window->ui->frameTargetProps->isEnabled());

    SelectRows({});
    QVERIFY(!window->ui->pushButtonDuplicateTarget->isEnabled());
    QVERIFY(!window->ui->pushButtonDeleteTarget->isEnabled());
}

void TestTargetList::correctedTargetBlocksDuplicateNotDelete()
{
    AddRect(QRectF(10, 10, 40, 40));
    Target *corrected = AddRect(QRectF(128, 96, 384, 288));
    corrected->type = int(TargetType::CorrectedRings);
    SelectRows({1});
    QVERIFY(!window->ui->frameTargetProps->isEnabled());
    QVERIFY(!window->ui->pushButtonDuplicateTarget->isEnabled());
    // A type-box change is ignored for it.
    window->ui->frameTargetProps->setEnabled(true);
    window->ui->comboBoxTargetType->setCurrentIndex(1);
    QCOMPARE(corrected->type, int(TargetType::CorrectedRings));

    SelectRows({0, 1});
    QVERIFY(!window->ui->pushButtonDuplicateTarget->isEnabled());
    QVERIFY(window->ui->pushButtonDeleteTarget->isEnabled());
    window->ui->pushButtonDeleteTarget->click();
    QCOMPARE(window->ui->listWidgetTargets->count(), 0);
    QCOMPARE(window->FindCorrectedTarget(), nullptr);
}

void TestTargetList::restackByRowOrder()
{
    Target *a = AddRect(QRectF(0, 0, 100, 100));
    Target *b = AddEllipse(QRectF(50, 50, 100, 100));
    const QPointF overlap(75, 75);
    QCOMPARE(window->TargetAt(overlap), a);
    QCOMPARE(window->TargetAt(QPointF(140, 100)), b);
    QCOMPARE(window->TargetAt(QPointF(300, 300)), nullptr);
    QCOMPARE(a->item->zValue(), 0.0);
    QCOMPARE(b->item->zValue(), -1.0);

    // What dragging row 1 to the top does to the model.
    QAbstractItemModel *model = window->ui->listWidgetTargets->model();
    QVERIFY(model->moveRow(QModelIndex(), 1, QModelIndex(), 0));
    QCOMPARE(TargetOfRow(window->ui->listWidgetTargets->item(0)), b);
    QCOMPARE(b->item->zValue(), 0.0);
    QCOMPARE(a->item->zValue(), -1.0);
    QCOMPARE(window->TargetAt(overlap), b);
}

void TestTargetList::duplicatePolygon()
{
    Target *source = AddRect(QRectF(10, 20, 40, 30));
    window->ui->lineEditTargetName->setText(QStringLiteral("Plate"));
    window->ui->spinBoxTargetScore->setValue(4);
    window->ui->comboBoxTargetType->setCurrentIndex(2);
    source->hits = 3;
    window->ui->pushButtonDuplicateTarget->click();

    QCOMPARE(window->Targets().size(), 2);
    Target *copy = window->Targets().last();
    QVERIFY(copy != source);
    QCOMPARE(copy->name, QStringLiteral("Plate"));
    QCOMPARE(copy->score, 4);
    QCOMPARE(copy->type, int(TargetType::IgnoreArea));
    QCOMPARE(copy->hits, 3);
    QCOMPARE(copy->listItem->text(), QStringLiteral("Plate          :4"));
    auto *polygon = qgraphicsitem_cast<QGraphicsPolygonItem *>(copy->item);
    QVERIFY(polygon);
    QCOMPARE(polygon->polygon(), qgraphicsitem_cast<QGraphicsPolygonItem *>(source->item)->polygon());
    // Exactly the copy is selected; the source is back in its type colours.
    QCOMPARE(window->SelectedTarget(), copy);
    QCOMPARE(source->item->pen().color(), window->colors.at(3));
    QCOMPARE(copy->item->pen(), SelectionPen());
    QCOMPARE(copy->item->cursor().shape(), Qt::OpenHandCursor);
}

void TestTargetList::duplicatedEllipseGrowsByOutline()
{
    AddEllipse(QRectF(100, 100, 50, 40));
    window->ui->pushButtonDuplicateTarget->click();
    auto *first = qgraphicsitem_cast<QGraphicsEllipseItem *>(window->Targets().last()->item);
    QVERIFY(first);
    QCOMPARE(first->rect(), QRectF(99, 99, 52, 42));
    // The copy is selected now; copying it grows another unit on every side.
    window->ui->pushButtonDuplicateTarget->click();
    auto *second = qgraphicsitem_cast<QGraphicsEllipseItem *>(window->Targets().last()->item);
    QCOMPARE(window->Targets().size(), 3);
    QCOMPARE(second->rect(), QRectF(98, 98, 54, 44));
    // Unstyled until first deselected, then in its type style.
    QCOMPARE(second->brush().style(), Qt::NoBrush);
    window->SelectTargetsByItems({});
    QCOMPARE(second->brush().style(), Qt::FDiagPattern);
}

void TestTargetList::copyErrorStopsDuplication()
{
    AddRect(QRectF(10, 10, 40, 40));
    // A record whose shape is neither polygon nor ellipse cannot be copied.
    auto *odd = new QGraphicsRectItem(QRectF(100, 100, 40, 40));
    window->scene->addItem(odd);
    window->CreateTarget(odd);
    AddRect(QRectF(200, 10, 40, 40));
    SelectRows({0, 1, 2});
    QTest::ignoreMessage(QtDebugMsg, "Copy Error");
    window->DuplicateSelectedTargets();
    // The first was copied, the odd one stopped the rest.
    QCOMPARE(window->Targets().size(), 4);
}

void TestTargetList::deleteButtonAndKey()
{
    Target *a = AddRect(QRectF(10, 10, 40, 40));
    AddRect(QRectF(100, 10, 40, 40));
    AddRect(QRectF(200, 10, 40, 40));
    QGraphicsItem *shapeA = a->item;
    SelectRows({0, 2});
    window->ui->pushButtonDeleteTarget->click();
    QCOMPARE(window->Targets().size(), 1);
    QCOMPARE(window->Targets().first()->name, QStringLiteral("Target No. 2"));
    QVERIFY(!window->scene->items().contains(shapeA));
    QVERIFY(window->scene->selectedItems.isEmpty());
    QVERIFY(!window->scene->Frame()->isVisible());

    SelectRows({0});
    window->SetPage(2);
    SelectRows({0});
    QTest::keyClick(window, Qt::Key_Delete);
    QCOMPARE(window->Targets().size(), 1); // nothing on the Game page
    window->SetPage(1);
    SelectRows({0});
    QTest::keyClick(window, Qt::Key_Delete);
    QCOMPARE(window->Targets().size(), 0);
}

void TestTargetList::addModeButtons()
{
    Target *t = AddRect(QRectF(10, 10, 40, 40));
    QPushButton *rect = window->ui->pushButtonAddRectTarget;
    QPushButton *circle = window->ui->pushButtonAddCircleTarget;
    rect->click();
    QCOMPARE(window->addMode, int(AddMode::Rect));
    QVERIFY(rect->isChecked());
    QCOMPARE(t->item->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(window->ui->listWidgetTargets->selectedItems().isEmpty());

    circle->click();
    QCOMPARE(window->addMode, int(AddMode::Circle));
    QVERIFY(circle->isChecked());
    QVERIFY(!rect->isChecked());

    circle->click(); // the active one again ends the mode
    QCOMPARE(window->addMode, int(AddMode::None));
    QVERIFY(!circle->isChecked());
    QCOMPARE(t->item->cursor().shape(), Qt::OpenHandCursor);
}

void TestTargetList::allTargetsHit()
{
    QVERIFY(window->AllTargetsHit()); // no targets at all
    Target *start = AddRect(QRectF(10, 10, 40, 40));
    start->type = int(TargetType::StartButton);
    QVERIFY(window->AllTargetsHit()); // no scoring targets
    Target *a = AddRect(QRectF(100, 10, 40, 40));
    Target *b = AddRect(QRectF(200, 10, 40, 40));
    a->hits = 2;
    QVERIFY(!window->AllTargetsHit());
    window->SetAllTargetHits(1);
    QVERIFY(window->AllTargetsHit());
    QCOMPARE(start->hits, 1);
    window->SetAllTargetHits(0);
    QCOMPARE(b->hits, 0);
    QVERIFY(!window->AllTargetsHit());
}

void TestTargetList::pagesSetVisibilityAndCursors()
{
    Target *target = AddRect(QRectF(10, 10, 40, 40));
    Target *ignore = AddRect(QRectF(100, 10, 40, 40));
    ignore->type = int(TargetType::IgnoreArea);
    SelectRows({0});

    window->SetPage(2);
    QVERIFY(window->ui->listWidgetTargets->selectedItems().isEmpty());
    QVERIFY(target->item->isVisible());
    QVERIFY(!ignore->item->isVisible());
    QCOMPARE(target->item->cursor().shape(), Qt::CrossCursor);
    QCOMPARE(window->ui->graphicsView->cursor().shape(), Qt::CrossCursor);
    QCOMPARE(target->item->pen().color(), window->colors.at(1));

    window->SetPage(0);
    QVERIFY(!target->item->isVisible());
    QVERIFY(!ignore->item->isVisible());

    window->SetPage(1);
    QVERIFY(target->item->isVisible());
    QVERIFY(ignore->item->isVisible());
    QCOMPARE(ignore->item->cursor().shape(), Qt::OpenHandCursor);
}

void TestTargetList::clearProject()
{
    AddRect(QRectF(10, 10, 40, 40));
    AddEllipse(QRectF(100, 10, 40, 40));
    AddRect(QRectF(200, 10, 40, 40));
    window->ui->radioButtonDispTarget->setEnabled(true);
    window->ui->radioButtonDispTarget->setChecked(true);
    window->ClearProject();
    QCOMPARE(window->ui->listWidgetTargets->count(), 0);
    QVERIFY(window->ui->radioButtonDispCamera->isChecked());
    QVERIFY(!window->ui->radioButtonDispTarget->isEnabled());
    QCOMPARE(window->scene->currentItem, nullptr);
    // Only the camera pictures and the editing items are left in the scene.
    for (QGraphicsItem *item : window->scene->items())
        QVERIFY(item->zValue() >= 998 || item->zValue() == -1000);
}

QTEST_MAIN(TestTargetList)
#include "tst_targetlist.moc"
