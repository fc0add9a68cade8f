// SPDX-License-Identifier: GPL-3.0-or-later
// Game control: start, hold, clock, stop, the table of hits and the game sounds.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "gamestate.h"
#include "hit.h"
#include "target.h"

#include <QRandomGenerator>

void MainWindow::PlaySound(QSoundEffect &effect)
{
    emit SoundPlayed(effect.source().fileName());
    effect.play();
}

void MainWindow::on_pushButtonGameStart_clicked()
{
    switch (gameState) {
    case GameState::Running:
        StopGame();
        return;
    case GameState::Waiting:
        return; // a hold cannot be cancelled with the button
    default:
        break;
    }
    if (StartDrillString())
        return; // an armed drill gives its own start signal
    ResetGame();
    gameState = GameState::Waiting;
    if (ui->comboBoxGametype->currentIndex() == 0) {
        StartGame();
        return;
    }
    startDelayTimer.start(1000 + int(QRandomGenerator::global()->bounded(1000)));
    ui->pushButtonGameStart->setText(tr("Hold"));
    PlaySound(soundReload);
}

void MainWindow::StartGame()
{
    if (gameState == GameState::Idle)
        return; // the hold ended by a false start or a page switch
    gameTimer.start();
    gameState = GameState::Running;
    BeginHistoryGame();
    PlaySound(soundPeep);
    ui->pushButtonGameStart->setText(tr("Stop"));
}

void MainWindow::ResetGame()
{
    ui->tableWidgetHits->clearContents();
    ui->tableWidgetHits->setRowCount(0);
    totalScore = 0;
    ui->labelTotalscore->setText(QStringLiteral("0"));
    Hit::ClearAllHits();
    SetAllTargetHits(0);
    ColorAllTargets();
    ui->labelTotaltime->setText(QStringLiteral("0:00"));
    shotSession.Clear(); // a new game is a new session to analyse
}

void MainWindow::StopGame()
{
    QueueFinishedGameForHistory(); // only a game that ran and recorded shots
    // A hold left behind must not start a later game early.
    startDelayTimer.stop();
    gameTimer.invalidate();
    gameState = GameState::Idle;
    ui->pushButtonGameStart->setText(tr("Start"));
    DrillGameStopped();
}

void MainWindow::AddHitRow(const QString &name, int score)
{
    QTableWidget *table = ui->tableWidgetHits;
    const int row = table->rowCount();
    table->insertRow(row);
    table->setItem(row, 0, new QTableWidgetItem(name));
    table->setItem(row, 1, new QTableWidgetItem(QString::number(score)));
    table->setItem(row, 2, new QTableWidgetItem(ui->labelTotaltime->text()));
    table->scrollToBottom(); // the newest row stays in sight
    totalScore += score;
    RecordHistoryShot(score);
    if (score != 0)
        PlaySound(soundTargetHit);
}

void MainWindow::RecordShot(Target *target)
{
    if (target && target->type == int(TargetType::Target)) {
        AddHitRow(target->name, target->score);
        ++target->hits;
    } else {
        AddHitRow(tr("Missed"), 0);
    }
}

void MainWindow::ShowHitMarkers(bool onDisplay)
{
    if (onDisplay)
        Hit::ShowAtDisplayPositions();
    else
        Hit::ShowAtShotPositions();
}
