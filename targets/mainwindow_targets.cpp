// SPDX-License-Identifier: GPL-3.0-or-later
// MainWindow target operations: the rows of the target list and the targets they carry.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "hit.h"
#include "target.h"
#include "targetrow.h"
#include "targetsgraphicscene.h"

#include <QAbstractGraphicsShapeItem>
#include <QDebug>
#include <QGraphicsEllipseItem>
#include <QGraphicsPolygonItem>
#include <QListWidgetItem>

QList<Target *> MainWindow::Targets()
{
    QList<Target *> targets;
    for (int r = 0; r < ui->listWidgetTargets->count(); ++r)
        if (Target *t = TargetOfRow(ui->listWidgetTargets->item(r)))
            targets << t;
    return targets;
}

Target *MainWindow::TargetOfItem(const QGraphicsItem *item)
{
    if (!item)
        return nullptr;
    for (Target *t : Targets())
        if (t->item == item)
            return t;
    return nullptr;
}

void MainWindow::AppendTargetRow(Target *t)
{
    auto *row = new TargetRow(t);
    ui->listWidgetTargets->addItem(row);
    t->listItem = row;
    UpdateTargetText(t);
}

void MainWindow::CreateTarget(QAbstractGraphicsShapeItem *item)
{
    ResetAddMode();
    if (item) {
        auto *t = new Target;
        t->score = 1;
        t->type = int(TargetType::Target);
        t->hits = 0;
        t->name = tr("Target No. %1").arg(ui->listWidgetTargets->count() + 1);
        t->item = item;
        AppendTargetRow(t);
        SelectTargetsByItems({item});
    }
    SetTargetCursor(Qt::OpenHandCursor);
}

void MainWindow::RemoveTarget(Target *t)
{
    if (!t)
        return;
    Hit::ForgetTarget(t);
    if (t->item) {
        scene->ForgetItem(t->item);
        if (t->item->scene())
            t->item->scene()->removeItem(t->item);
        delete t->item;
        t->item = nullptr;
    }
    if (t->listItem) {
        // Cleared first: taking the row out may run the selection slot, which must skip it.
        t->listItem->setData(Qt::UserRole, 0);
        delete ui->listWidgetTargets->takeItem(ui->listWidgetTargets->row(t->listItem));
        t->listItem = nullptr;
    }
    delete t;
}

void MainWindow::DeleteSelectedTargets()
{
    QList<Target *> doomed;
    for (QListWidgetItem *row : ui->listWidgetTargets->selectedItems())
        if (Target *t = TargetOfRow(row))
            doomed << t;
    ui->listWidgetTargets->clearSelection();
    for (Target *t : doomed)
        RemoveTarget(t);
}

void MainWindow::DuplicateSelectedTargets()
{
    QList<Target *> sources;
    for (QListWidgetItem *row : ui->listWidgetTargets->selectedItems())
        if (Target *t = TargetOfRow(row))
            sources << t;
    QList<QAbstractGraphicsShapeItem *> copies;
    for (Target *source : sources) {
        QAbstractGraphicsShapeItem *copy = scene->CopyItem(source->item);
        if (!copy) {
            qDebug() << "Copy Error";
            return;
        }
        auto *t = new Target;
        t->item = copy;
        t->name = source->name;
        t->score = source->score;
        t->type = source->type;
        t->hits = source->hits;
        AppendTargetRow(t);
        copies << copy;
    }
    SetTargetCursor(Qt::OpenHandCursor);
    SelectTargetsByItems(copies);
}

Target *MainWindow::SelectedTarget()
{
    const QList<QListWidgetItem *> rows = ui->listWidgetTargets->selectedItems();
    return rows.size() == 1 ? TargetOfRow(rows.first()) : nullptr;
}

Target *MainWindow::FindCorrectedTarget()
{
    for (Target *t : Targets())
        if (t->type == int(TargetType::CorrectedRings))
            return t;
    return nullptr;
}

Target *MainWindow::TargetAt(QPointF p)
{
    // Row order is the order of testing: the row highest in the list wins where targets overlap.
    for (Target *t : Targets())
        if (t->item && t->item->contains(t->item->mapFromScene(p)))
            return t;
    return nullptr;
}

bool MainWindow::AllTargetsHit()
{
    for (Target *t : Targets())
        if (t->type == int(TargetType::Target) && t->hits == 0)
            return false;
    return true;
}

void MainWindow::SetAllTargetHits(int value)
{
    for (Target *t : Targets())
        t->hits = value;
}

void MainWindow::ColorTarget(Target *t)
{
    if (!t || !t->item)
        return;
    switch (t->type) {
    case int(TargetType::Target):
        scene->StyleTarget(t->item);
        break;
    case int(TargetType::StartButton):
        scene->StyleStartButton(t->item);
        break;
    case int(TargetType::IgnoreArea):
        scene->StyleIgnoreArea(t->item);
        break;
    case int(TargetType::CorrectedRings):
        scene->StyleCorrectedArea(t->item);
        break;
    default:
        break;
    }
}

void MainWindow::ColorAllTargets()
{
    for (Target *t : Targets())
        ColorTarget(t);
}

void MainWindow::UpdateTargetText(Target *t)
{
    if (t && t->listItem)
        t->listItem->setText(TargetRowText(t->name, t->score));
}

void MainWindow::SelectTargetsByItems(const QList<QAbstractGraphicsShapeItem *> &items)
{
    // One selection change for the whole walk, so the selection slot runs once and not per row.
    QItemSelection selection;
    QListWidget *list = ui->listWidgetTargets;
    for (int r = 0; r < list->count(); ++r) {
        Target *t = TargetOfRow(list->item(r));
        if (!t)
            break;
        if (items.contains(t->item)) {
            const QModelIndex index = list->model()->index(r, 0);
            selection.select(index, index);
        } else {
            ColorTarget(t);
        }
    }
    list->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void MainWindow::SetTargetCursor(const QCursor &cursor)
{
    for (Target *t : Targets())
        if (t->item)
            t->item->setCursor(cursor);
}

void MainWindow::SetTargetsVisible(bool visible, bool hideIgnoreAreas)
{
    for (Target *t : Targets())
        if (t->item)
            t->item->setVisible(visible && !(hideIgnoreAreas && t->type == int(TargetType::IgnoreArea)));
}
