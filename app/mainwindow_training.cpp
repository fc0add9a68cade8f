// SPDX-License-Identifier: GPL-3.0-or-later
// Shot timer and drills: the panel on the Game page, and the drill runner wired to game and shots.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "camera.h"
#include "drillpanel.h"
#include "drillrunner.h"
#include "gamestate.h"
#include "target.h"

#include <QBoxLayout>
#include <QFileInfo>
#include <QPushButton>

void MainWindow::SetUpDrills()
{
    drillRunner = new DrillRunner(this);
    drillPanel = new DrillPanel(drillRunner, this);
    drillPanel->language = [this] { return language.isEmpty() ? QStringLiteral("de") : language; };
    drillPanel->Reload();

    // The button sits right under the start button, whatever layout holds it.
    pushButtonDrills = new QPushButton(tr("Drills und Schusstimer…"), ui->pushButtonGameStart->parentWidget());
    pushButtonDrills->setObjectName(QStringLiteral("pushButtonDrills"));
    pushButtonDrills->setFocusPolicy(Qt::NoFocus); // Space stays the start key
    if (auto *box = qobject_cast<QBoxLayout *>(ui->pushButtonGameStart->parentWidget()->layout())) {
        const int at = box->indexOf(ui->pushButtonGameStart);
        box->insertWidget(at + 1, pushButtonDrills);
    } else if (QLayout *layout = ui->pushButtonGameStart->parentWidget()->layout()) {
        layout->addWidget(pushButtonDrills);
    }
    connect(drillPanel, &DrillPanel::Retranslated, this,
            [this] { pushButtonDrills->setText(tr("Drills und Schusstimer…")); });
    connect(pushButtonDrills, &QPushButton::clicked, this, [this] {
        drillPanel->show();
        drillPanel->raise();
    });

    connect(drillRunner, &DrillRunner::StartSignal, this, [this] {
        if (gameState == GameState::Waiting)
            StartGame(); // the clock, the start beep, "Stop"
    });
    connect(drillRunner, &DrillRunner::ParTime, this, [this] { PlaySound(soundPeep); });
    connect(drillRunner, &DrillRunner::NextStringDue, this, [this] {
        if (page == 2 && gameState == GameState::Idle)
            on_pushButtonGameStart_clicked();
        else if (gameState == GameState::Idle)
            drillRunner->Abort();
    });
}

bool MainWindow::StartDrillString()
{
    const qint64 trigger = drillTriggerUs;
    drillTriggerUs = 0;
    if (!drillRunner || !drillRunner->IsArmed())
        return false;
    QStringList names;
    for (Target *t : Targets())
        if (t->type == int(TargetType::Target))
            names << t->name;
    drillRunner->SetTargetNames(names);
    drillRunner->SetLanguage(language.isEmpty() ? QStringLiteral("de") : language);
    const Drill &drill = drillRunner->ArmedDrill();
    const QString problem = DrillReader::CheckTargets(drill, names);
    if (!problem.isEmpty()) {
        // Refused: the panel names the file and the problem, and nothing else changes.
        drillPanel->ShowProblem(QStringLiteral("%1: %2").arg(QFileInfo(drill.fileName).fileName(), problem));
        drillPanel->show();
        return true;
    }
    ResetGame();
    gameState = GameState::Waiting;
    ui->pushButtonGameStart->setText(tr("Hold"));
    PlaySound(soundReload);
    // A start delay of 0 gives the signal at once, inside Start.
    if (!drillRunner->Start(trigger)) {
        gameState = GameState::Idle;
        ui->pushButtonGameStart->setText(tr("Start"));
        return true;
    }
    int most = 0;
    for (const DrillString &s : drill.strings)
        most = qMax(most, s.shots);
    if (ui->spinBoxSchotCount->value() < most)
        drillPanel->ShowProblem(tr("Die Schusszahl des Spiels (%1) ist kleiner als die längste Serie (%2): "
                                   "das Spiel endet vor der Serie.")
                                    .arg(ui->spinBoxSchotCount->value())
                                    .arg(most));
    return true;
}

qint64 MainWindow::ShotTimeUs(bool fromCamera, int *camera)
{
    *camera = -1;
    const qint64 now = drillRunner ? drillRunner->Now() : DrillRunner::MonotonicNowUs();
    if (!fromCamera)
        return now; // a mouse shot is handled as its event arrives
    if (auto *cam = qobject_cast<Camera *>(sender())) {
        *camera = cam->cameraNumber;
        if (cam->shotTimeUs > 0)
            return cam->shotTimeUs;
    }
    return now;
}

void MainWindow::DrillGameStopped()
{
    if (drillRunner)
        drillRunner->GameStopped();
}

bool MainWindow::FeedDrill(qint64 timeUs, int camera, QPointF pos, QPointF corrected, bool hit)
{
    if (!drillRunner)
        return false;
    TimedShot shot;
    shot.timeUs = timeUs;
    shot.pos = pos;
    shot.corrected = corrected;
    shot.camera = camera;
    const int row = ui->tableWidgetHits->rowCount() - 1;
    if (gameState == GameState::Running && row >= 0) {
        if (hit && ui->tableWidgetHits->item(row, 0))
            shot.target = ui->tableWidgetHits->item(row, 0)->text();
        if (ui->tableWidgetHits->item(row, 1))
            shot.score = ui->tableWidgetHits->item(row, 1)->text().toInt();
    }
    return drillRunner->Shot(shot);
}
