// SPDX-License-Identifier: GPL-3.0-or-later
// Shot evaluation: every camera or mouse shot ends here.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "gamestate.h"
#include "hit.h"
#include "logcategory.h"
#include "displaytargetframe.h"
#include "target.h"
#include "targetsgraphicscene.h"

#include <QDebug>
#include <QGraphicsEllipseItem>
#include <QGraphicsPixmapItem>

#include <cmath>

void MainWindow::Shoot(QPointF Pos, QPointF Pos_Corrected, bool FromCamera)
{
    if (page == 0)
        return;
    if (FromCamera)
        ApplyLaserZero(Pos, Pos_Corrected); // a zero of (0, 0) changes nothing
    Target *target = TargetAt(Pos);
    if (target && target->type == int(TargetType::IgnoreArea))
        return;
    int shotCamera = -1;
    const qint64 shotUs = ShotTimeUs(FromCamera, &shotCamera); // the frame's or the event's time
    historyShotUs = shotUs;

    Hit *hit = new Hit(scene, target, Pos);
    int score = 0;
    int ring = 0;

    const bool displayTarget = ui->radioButtonDispTarget->isChecked();
    if (displayTarget) {
        if (ui->radioButtonImageTarget->isChecked()) {
            if (displayImageItem) {
                const QSize shown = DisplayImageShownSize(displayImageItem->pixmap().size());
                const double w = shown.width();
                const double h = shown.height();
                const QPointF p = displayImageItem->pos();
                const double u = FromCamera ? Pos_Corrected.x() / 1000 : (Pos.x() - p.x()) / w;
                const double v = FromCamera ? Pos_Corrected.y() / 1000 : (Pos.y() - p.y()) / h;
                if (u >= 0 && u <= 1 && v >= 0 && v <= 1) {
                    score = ScoreImageValue(scoreImage, u, v);
                    hit->displayPos = QPointF(u * w + p.x(), v * h + p.y());
                    qCDebug(lcFieldshot) << "Correctred" << p << hit->displayPos << Pos << Pos_Corrected;
                }
            }
        } else {
            const QPointF onTarget = FromCamera ? MapCorrectedToDisplay(Pos_Corrected) : Pos;
            hit->displayPos = onTarget;
            ring = CircleTargetScore(onTarget, ui->spinBoxCircles->value(), hitSize);
        }
        if (hit->marker)
            hit->marker->setPos(hit->displayPos);
    }

    if (page == 1) {
        hit->FlashTarget(200);
        hit->RemoveAfter(1000);
        return;
    }

    switch (gameState) {
    case GameState::Waiting:
        ui->statusBar->showMessage(tr("Fehlstart"), 5000);
        FeedDrill(shotUs, shotCamera, Pos, Pos_Corrected, false); // a false start
        PlaySound(soundGunshot);
        PlaySound(soundHorn);
        StopGame();
        return;
    case GameState::Idle:
        if (target && target->type == int(TargetType::StartButton)) {
            drillTriggerUs = shotUs; // a drill's start delay counts from this shot
            on_pushButtonGameStart_clicked();
            drillTriggerUs = 0;
            return;
        }
        PlaySound(soundKlick);
        hit->FlashTarget(200);
        hit->RemoveAfter(1000);
        return;
    default:
        break;
    }

    PlaySound(soundGunshot);
    if (displayTarget && ui->radioButtonCircleTarget->isChecked()) {
        if (ring == 0)
            AddHitRow(tr("Missed"), 0);
        else
            AddHitRow(QStringLiteral("Ring %1").arg(ring), ring);
    } else if (displayTarget) {
        if (score > 0)
            AddHitRow(tr("Treffer"), score);
        else
            AddHitRow(tr("Missed"), 0);
    } else {
        RecordShot(target);
    }
    ui->labelTotalscore->setText(QString::number(totalScore));
    RecordAnalysisShot(hit, target, Pos, FromCamera);
    const bool drillHit = displayTarget ? (ui->radioButtonCircleTarget->isChecked() ? ring > 0 : score > 0)
                                        : (target && target->type == int(TargetType::Target));
    const bool drillStringDone = FeedDrill(shotUs, shotCamera, Pos, Pos_Corrected, drillHit);

    if (target && target->type == int(TargetType::Target)) {
        if (ui->comboBoxGametype->currentIndex() == 1) {
            hit->MarkTargetHit();
            if (AllTargetsHit())
                StopGame();
        } else {
            hit->FlashTarget(200);
        }
    }
    if (ui->tableWidgetHits->rowCount() >= ui->spinBoxSchotCount->value())
        StopGame();
    if (drillStringDone && gameState == GameState::Running)
        StopGame(); // the drill's string is complete
}
