// SPDX-License-Identifier: GPL-3.0-or-later
// MainWindow target-page slots: add modes, the property fields, restacking and the list selection.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "target.h"
#include "targetsgraphicscene.h"

#include <QAbstractGraphicsShapeItem>
#include <QListWidgetItem>

void MainWindow::ResetAddMode()
{
    addMode = AddMode::None;
    ui->pushButtonAddCircleTarget->setChecked(false);
    ui->pushButtonAddRectTarget->setChecked(false);
    ui->pushButtonAddPolygonTarget->setChecked(false);
    SelectTargetsByItems({});
}

void MainWindow::SetAddMode(int mode)
{
    QPushButton *button = mode == AddMode::Rect     ? ui->pushButtonAddRectTarget
                          : mode == AddMode::Circle ? ui->pushButtonAddCircleTarget
                                                    : ui->pushButtonAddPolygonTarget;
    // The button has already toggled: unchecked means the active mode was clicked again.
    if (!button->isChecked()) {
        ResetAddMode();
        addMode = AddMode::None;
        SetTargetCursor(Qt::OpenHandCursor);
        return;
    }
    ResetAddMode();
    addMode = mode;
    button->setChecked(true);
    // Shapes should not look draggable while a new one is drawn.
    SetTargetCursor(Qt::ArrowCursor);
}

void MainWindow::on_pushButtonAddRectTarget_clicked()
{
    SetAddMode(AddMode::Rect);
}

void MainWindow::on_pushButtonAddCircleTarget_clicked()
{
    SetAddMode(AddMode::Circle);
}

void MainWindow::on_pushButtonAddPolygonTarget_clicked()
{
    SetAddMode(AddMode::Polygon);
}

void MainWindow::on_pushButtonDeleteTarget_clicked()
{
    DeleteSelectedTargets();
}

void MainWindow::on_pushButtonDuplicateTarget_clicked()
{
    DuplicateSelectedTargets();
}

void MainWindow::on_lineEditTargetName_textChanged(const QString &arg1)
{
    if (Target *t = SelectedTarget()) {
        t->name = arg1;
        UpdateTargetText(t);
    }
}

void MainWindow::on_spinBoxTargetScore_valueChanged(int arg1)
{
    if (Target *t = SelectedTarget()) {
        t->score = arg1;
        UpdateTargetText(t);
    }
}

void MainWindow::on_comboBoxTargetType_currentIndexChanged(int index)
{
    // Start buttons and ignore areas take no score; the stored one stays.
    ui->spinBoxTargetScore->setEnabled(index == 0);
    Target *t = SelectedTarget();
    if (!t || t->type == int(TargetType::CorrectedRings))
        return;
    t->type = index;
    ColorTarget(t);
    scene->ApplySelectedPen(t->item);
}

void MainWindow::on_listWidgetTargets_itemSelectionChanged()
{
    QListWidget *list = ui->listWidgetTargets;
    int count = 0;
    bool correctedSelected = false;
    QList<QAbstractGraphicsShapeItem *> shapes;
    Target *selected = nullptr;
    for (int r = 0; r < list->count(); ++r) {
        QListWidgetItem *row = list->item(r);
        Target *t = TargetOfRow(row);
        if (!t)
            continue;
        // Row 0 lies in front of all others.
        if (t->item)
            t->item->setZValue(-r);
        if (row->isSelected()) {
            ++count;
            correctedSelected = correctedSelected || t->type == int(TargetType::CorrectedRings);
            shapes << t->item;
            selected = t;
        } else {
            ColorTarget(t);
        }
    }

    ui->frameTargetProps->setEnabled(count == 1 && !correctedSelected);
    if (count != 1) {
        ui->lineEditTargetName->clear();
        ui->spinBoxTargetScore->clear();
    }
    ui->pushButtonDuplicateTarget->setEnabled(count > 0 && !correctedSelected);
    ui->pushButtonDeleteTarget->setEnabled(count > 0);

    if (count != 1) {
        scene->SetSelectedItems(shapes);
        return;
    }
    scene->SelectItem(selected->item);
    // Each of these fires its own slot, which writes the same value back.
    ui->lineEditTargetName->setText(selected->name);
    ui->spinBoxTargetScore->setValue(selected->score);
    ui->comboBoxTargetType->setCurrentIndex(selected->type);
    ui->lineEditTargetName->setEnabled(true);
}
