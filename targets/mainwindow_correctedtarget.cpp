// SPDX-License-Identifier: GPL-3.0-or-later
// The corrected ring target: its creation and the hand-over of its corners to the camera library.
#include "mainwindow.h"

#include "laserlibrary.h"
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

void MainWindow::SendCorrectedCorners()
{
    Target *target = FindCorrectedTarget();
    if (!target)
        return;
    auto *polygonItem = dynamic_cast<QGraphicsPolygonItem *>(target->item);
    if (!polygonItem)
        return;
    const QPolygonF p = polygonItem->mapToScene(polygonItem->polygon());
    if (p.size() != 5)
        return;
    LaserLibrary &laser = Laser();
    laser.CamSelectCamera(0);
    // The library numbers the corners row by row; the polygon runs around the edge.
    const int polygonPoint[4] = {0, 1, 3, 2};
    for (int corner = 0; corner < 4; ++corner)
        laser.CamSetCorner(corner, p[polygonPoint[corner]].x() + 0.5, p[polygonPoint[corner]].y() + 0.5);
    laser.CamPreCalculate();
    laser.CamSetScreenResolution(1000, 1000);
}
