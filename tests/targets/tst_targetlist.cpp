// Tests of the target list on the real main window: naming, properties, restacking, duplicates, deletion.
#include "../common/mainwindowtest.h"

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
    void fieldsFollowTheSelection();
    void typeChangeKeepsScore();
    void correctedTargetBlocksDuplicateNotDelete();
    void restackByRowOrder();
    void duplicatePolygon();
    void duplicatedEllipseGrowsByOutline();
    void deleteButtonAndKey();
    void addModeButtons();
    void allTargetsHit();
    void pagesSetVisibility();

private:
    Target *AddRect(const QRectF &r) { return MainWindowTest::AddRect(window, r); }
    void SelectRows(const QList<int> &rows) { MainWindowTest::SelectRows(window, rows); }

    MainWindow *window = nullptr;
};

void TestTargetList::init()
{
    window = MainWindowTest::Open(1);
    QVERIFY2(window, "the camera library beside the test was not loaded");
}

void TestTargetList::cleanup()
{
    delete window;
    window = nullptr;
}

void TestTargetList::defaultNamesCountRows()
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

void TestTargetList::fieldsFollowTheSelection()
{
    Target *t = AddRect(QRectF(10, 10, 40, 40));
    window->ui->lineEditTargetName->setText(QStringLiteral("Door"));
    window->ui->spinBoxTargetScore->setValue(-7);
    QCOMPARE(t->name, QStringLiteral("Door"));
    QCOMPARE(t->listItem->text(), QStringLiteral("Door           :-7"));

    // With two rows selected the fields are empty and belong to nobody.
    AddRect(QRectF(100, 10, 40, 40));
    SelectRows({0, 1});
    QVERIFY(window->ui->lineEditTargetName->text().isEmpty());
    QVERIFY(window->ui->spinBoxTargetScore->text().isEmpty());
    QVERIFY(!window->ui->frameTargetProps->isEnabled());
    QVERIFY(window->ui->pushButtonDuplicateTarget->isEnabled());
    QCOMPARE(window->SelectedTarget(), nullptr);
    QCOMPARE(window->scene->selectedItems.size(), 2);
    window->ui->frameTargetProps->setEnabled(true);
    window->ui->lineEditTargetName->setText(QStringLiteral("Nobody"));
    QCOMPARE(t->name, QStringLiteral("Door"));

    SelectRows({1});
    QCOMPARE(window->ui->lineEditTargetName->text(), QStringLiteral("Target No. 2"));
    QVERIFY(window->ui->frameTargetProps->isEnabled());
    SelectRows({});
    QVERIFY(!window->ui->pushButtonDuplicateTarget->isEnabled());
    QVERIFY(!window->ui->pushButtonDeleteTarget->isEnabled());
}

void TestTargetList::typeChangeKeepsScore()
{
    Target *t = AddRect(QRectF(10, 10, 40, 40));
    window->ui->spinBoxTargetScore->setValue(7);
    window->ui->comboBoxTargetType->setCurrentIndex(1);
    QCOMPARE(t->type, int(TargetType::StartButton));
    QVERIFY(!window->ui->spinBoxTargetScore->isEnabled());
    QCOMPARE(t->score, 7);
    // Deselected, it shows the colour its new role has now.
    window->colors[2] = QColor(10, 20, 30);
    window->SelectTargetsByItems({});
    QCOMPARE(t->item->pen().color(), QColor(10, 20, 30));

    SelectRows({0});
    window->ui->comboBoxTargetType->setCurrentIndex(0);
    QVERIFY(window->ui->spinBoxTargetScore->isEnabled());
    QCOMPARE(t->listItem->text(), QStringLiteral("Target No. 1   :7"));
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
    window->ui->pushButtonDeleteTarget->click();
    QCOMPARE(window->ui->listWidgetTargets->count(), 0);
    QCOMPARE(window->FindCorrectedTarget(), nullptr);
}

void TestTargetList::restackByRowOrder()
{
    Target *a = AddRect(QRectF(0, 0, 100, 100));
    window->scene->AddEllipseTarget(QRectF(50, 50, 100, 100));
    Target *b = window->Targets().last();
    const QPointF overlap(75, 75);
    QCOMPARE(window->TargetAt(overlap), a);
    QCOMPARE(window->TargetAt(QPointF(140, 100)), b);
    QCOMPARE(window->TargetAt(QPointF(300, 300)), nullptr);

    // What dragging row 1 to the top does to the model.
    QAbstractItemModel *model = window->ui->listWidgetTargets->model();
    QVERIFY(model->moveRow(QModelIndex(), 1, QModelIndex(), 0));
    QCOMPARE(TargetOfRow(window->ui->listWidgetTargets->item(0)), b);
    QVERIFY(b->item->zValue() > a->item->zValue());
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

    Target *copy = window->Targets().last();
    QVERIFY(copy != source);
    QCOMPARE(copy->type, int(TargetType::IgnoreArea));
    QCOMPARE(copy->hits, 3);
    QCOMPARE(copy->listItem->text(), QStringLiteral("Plate          :4"));
    auto *polygon = qgraphicsitem_cast<QGraphicsPolygonItem *>(copy->item);
    QVERIFY(polygon);
    QCOMPARE(polygon->polygon(), qgraphicsitem_cast<QGraphicsPolygonItem *>(source->item)->polygon());
    // Exactly the copy is selected; the source is back in its type colours.
    QCOMPARE(window->SelectedTarget(), copy);
    QCOMPARE(source->item->pen().color(), window->colors.at(3));
}

void TestTargetList::duplicatedEllipseGrowsByOutline()
{
    window->scene->AddEllipseTarget(QRectF(100, 100, 50, 40));
    window->ui->pushButtonDuplicateTarget->click();
    auto *first = qgraphicsitem_cast<QGraphicsEllipseItem *>(window->Targets().last()->item);
    QVERIFY(first);
    QCOMPARE(first->rect(), QRectF(99, 99, 52, 42));
    // The copy is selected now; copying it grows another unit on every side.
    window->ui->pushButtonDuplicateTarget->click();
    auto *second = qgraphicsitem_cast<QGraphicsEllipseItem *>(window->Targets().last()->item);
    QCOMPARE(window->Targets().size(), 3);
    QCOMPARE(second->rect(), QRectF(98, 98, 54, 44));
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

    // The key deletes on the Targets page only.
    window->SetPage(2);
    SelectRows({0});
    QTest::keyClick(window, Qt::Key_Delete);
    QCOMPARE(window->Targets().size(), 1);
}

void TestTargetList::addModeButtons()
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

void TestTargetList::allTargetsHit()
{
    // Only scoring targets count: a start button never needs a hit.
    AddRect(QRectF(10, 10, 40, 40))->type = int(TargetType::StartButton);
    QVERIFY(window->AllTargetsHit());
    Target *a = AddRect(QRectF(100, 10, 40, 40));
    Target *b = AddRect(QRectF(200, 10, 40, 40));
    a->hits = 2;
    QVERIFY(!window->AllTargetsHit());
    b->hits = 1;
    QVERIFY(window->AllTargetsHit());
}

void TestTargetList::pagesSetVisibility()
{
    Target *target = AddRect(QRectF(10, 10, 40, 40));
    Target *ignore = AddRect(QRectF(100, 10, 40, 40));
    ignore->type = int(TargetType::IgnoreArea);
    SelectRows({0});

    window->SetPage(2);
    QVERIFY(window->ui->listWidgetTargets->selectedItems().isEmpty());
    QVERIFY(target->item->isVisible());
    QVERIFY(!ignore->item->isVisible());
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

QTEST_MAIN(TestTargetList)
#include "tst_targetlist.moc"
