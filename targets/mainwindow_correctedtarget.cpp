// SPDX-License-Identifier: GPL-3.0-or-later
// The corrected ring target: its creation and the hand-over of its corners to the camera library.
#include "mainwindow.h"

#include "target.h"
#include "targetsgraphicscene.h"

#include <QGraphicsPolygonItem>
#include <QMessageBox>

void MainWindow::on_pushButtonCorrectedTarget_clicked()
{
    if (FindCorrectedTarget()) {
        QMessageBox::information(this, QString(), tr("Es darf nur ein Korrekturziel geben."), QMessageBox::Ok);
        return;
    }
    // The middle 60 % of camera 1's picture.
    const QPolygonF corners(QVector<QPointF>{QPointF(128, 96), QPointF(512, 96), QPointF(512, 384), QPointF(128, 384), QPointF(128, 96)});
    scene->AddPolygonTarget(corners);
    Target *target = SelectedTarget();
    if (!target)
        return;
    target->name = tr("Entzerrte Ziele");
    target->score = 0;
    target->type = int(TargetType::CorrectedRings);
    UpdateTargetText(target);
    on_listWidgetTargets_itemSelectionChanged();
}

