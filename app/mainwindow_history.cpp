// SPDX-License-Identifier: GPL-3.0-or-later
// Training history in the main window: the shots of a running game, storing it when it ends,
// the "Verlauf" button and window.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "camera.h"
#include "displaytargetframe.h"
#include "drillrunner.h"
#include "gamestate.h"
#include "hit.h"
#include "historybutton.h"
#include "historywindow.h"
#include "historywriter.h"
#include "target.h"

#include <QGraphicsPixmapItem>
#include <QPushButton>
#include <QStatusBar>

namespace {

// Fixed geometry of the drawn ring target: centre and diameter in scene units.
const QPointF CircleTargetCentre(320, 240);
const double CircleTargetDiameter = 460;

// The offset of p from the centre of r, in percent of r's width and height.
QPointF PercentOffset(QPointF p, const QRectF &r)
{
    if (r.width() <= 0 || r.height() <= 0)
        return QPointF();
    const QPointF d = p - r.center();
    return QPointF(d.x() * 100 / r.width(), d.y() * 100 / r.height());
}

} // namespace

void MainWindow::SetUpHistory()
{
    if (historyWriter || !configured)
        return;
    historyLocation = DefaultHistoryLocation();
    historyWriter = new HistoryWriter(historyLocation, this);
    connect(historyWriter, &HistoryWriter::Failed, this, [this](const QString &message) {
        historyError = message;
        statusBar()->showMessage(tr("Trainingsverlauf nicht verfügbar: %1").arg(message));
    });
    // Success stays quiet: the status bar may be telling something more important.
    connect(historyWriter, &HistoryWriter::Stored, this, [this](qint64) { historyError.clear(); });
    if (!historyLocation.IsValid()) {
        historyError = tr("Die Verbindungsangabe ist ungültig");
        statusBar()->showMessage(tr("Trainingsverlauf nicht verfügbar: %1").arg(historyError));
    }

    // Every finished drill string goes into the history as a string of that drill.
    if (drillRunner)
        connect(drillRunner, &DrillRunner::StringFinished, this, [this](const DrillStringResult &r) {
            if (r.startSignalUs <= 0 || r.shots.isEmpty())
                return; // no signal was given: nothing to time against
            const qint64 agoMs = r.startSignalUs > 0 ? (DrillRunner::MonotonicNowUs() - r.startSignalUs) / 1000 : 0;
            StoreHistoryString(r.drillId, r.stringIndex, QDateTime::currentDateTimeUtc().addMSecs(-agoMs),
                               r.startSignalUs, r.shots.toList(), r.parUs);
        });

    historyButton = new HistoryButton;
    ui->verticalLayoutGamePage->addWidget(historyButton);
    connect(historyButton, &QPushButton::clicked, this, &MainWindow::OpenHistory);

    // Connected after Shoot: by the time this runs, the shot is already recorded, and this adds
    // what only the camera's signal knows.
    for (int n = 0; n < 4; ++n) {
        if (!cameras[n])
            continue;
        connect(cameras[n], &Camera::Shot, this, [this, n](QPointF pos, QPointF corrected, bool fromCamera) {
            QList<HistoryShot> &shots = historyShots.isEmpty() ? historyQueued.shots : historyShots;
            if (!fromCamera || shots.isEmpty() || shots.last().shot.pos != pos || shots.last().shot.camera != -1)
                return;
            shots.last().shot.camera = n;
            shots.last().shot.corrected = corrected;
        });
    }
}

void MainWindow::OpenHistory()
{
    // Made anew for every opening, so that it speaks the language of the moment.
    if (!historyWindow) {
        historyWindow = new HistoryWindow(historyLocation, this);
        historyWindow->setAttribute(Qt::WA_DeleteOnClose);
        if (showHistoryPlot)
            historyWindow->showPlot = showHistoryPlot;
    }
    historyWindow->Reload();
    historyWindow->show();
    historyWindow->raise();
}

void MainWindow::BeginHistoryGame()
{
    historyStart = QDateTime::currentDateTimeUtc();
    historyStartUs = DrillRunner::MonotonicNowUs();
    historyShots.clear();
    historyMisses.clear();
    historyTargetRects.clear();
}

void MainWindow::RecordHistoryShot(int score)
{
    if (gameState != GameState::Running || Hit::All().isEmpty())
        return;
    const Hit *hit = Hit::All().last(); // made by Shoot for this very shot
    HistoryShot s;
    s.shot.timeUs = historyShotUs > 0 ? historyShotUs : DrillRunner::MonotonicNowUs();
    s.shot.pos = hit->pos;
    s.shot.score = score;
    const bool display = ui->radioButtonDispTarget->isChecked();
    if (display && ui->radioButtonCircleTarget->isChecked()) {
        if (score > 0)
            s.shot.target = QStringLiteral("Anzeigescheibe"); // stored: the same in every language
        const QRectF r(CircleTargetCentre - QPointF(CircleTargetDiameter, CircleTargetDiameter) / 2,
                       QSizeF(CircleTargetDiameter, CircleTargetDiameter));
        s.offset = PercentOffset(hit->displayPos, r);
    } else if (display) {
        if (score > 0)
            s.shot.target = QStringLiteral("Anzeigebild");
        if (displayImageItem) {
            const QRectF r(displayImageItem->pos(), DisplayImageShownSize(displayImageItem->pixmap().size()));
            // A shot beside the picture has no display position; its scene position is in the same frame.
            const bool onImage = r.contains(hit->displayPos);
            s.offset = PercentOffset(onImage ? hit->displayPos : hit->pos, r);
        }
    } else if (hit->target && hit->target->type == int(TargetType::Target)) {
        s.shot.target = hit->target->name;
        const QRectF r = SceneAimRects().value(hit->target);
        historyTargetRects.insert(s.shot.target, r);
        s.offset = PercentOffset(hit->pos, r);
    } else {
        historyMisses.append(historyShots.size()); // aimed at the target most shots hit, known at the end
    }
    historyShots.append(s);
}

void MainWindow::QueueFinishedGameForHistory()
{
    if (gameState != GameState::Running || historyShots.isEmpty())
        return;
    if (drillRunner && drillRunner->IsArmed()) {
        // A drill's string is stored by the drill, with its start signal, par and name.
        historyShots.clear();
        historyMisses.clear();
        historyTargetRects.clear();
        return;
    }
    HistoryRecord r;
    r.when = historyStart;
    r.startUs = historyStartUs;
    r.project = historyProject;
    r.gameType = ui->comboBoxGametype->currentIndex();
    r.target = MainTargetOf(historyShots);
    const QRectF aim = historyTargetRects.value(r.target, QRectF(0, 0, 640, 480));
    for (int i : qAsConst(historyMisses))
        historyShots[i].offset = PercentOffset(historyShots[i].shot.pos, aim);
    r.shots = historyShots;
    historyShots.clear();
    historyMisses.clear();
    historyTargetRects.clear();
    historyQueued = r;
    // The shot that ended the game is still being handled (its camera is added after Shoot):
    // store once it is done.
    QMetaObject::invokeMethod(this, &MainWindow::StoreQueuedGame, Qt::QueuedConnection);
}

void MainWindow::StoreHistoryString(const QString &drill, int stringIndex, const QDateTime &whenUtc, qint64 startUs,
                                    const QList<TimedShot> &shots, qint64 parUs)
{
    if (shots.isEmpty())
        return;
    HistoryRecord r;
    r.when = whenUtc.toUTC();
    r.startUs = startUs;
    r.project = historyProject;
    r.drill = drill;
    r.stringIndex = stringIndex;
    r.gameType = ui->comboBoxGametype->currentIndex();
    QHash<QString, QRectF> rects;
    const QHash<const Target *, QRectF> aimRects = SceneAimRects();
    for (const Target *t : Targets())
        if (aimRects.contains(t) && !rects.contains(t->name))
            rects.insert(t->name, aimRects.value(t));
    for (const TimedShot &t : shots) {
        HistoryShot h;
        h.shot = t;
        r.shots.append(h);
    }
    r.target = MainTargetOf(r.shots);
    const QRectF fallback = rects.value(r.target, QRectF(0, 0, 640, 480));
    for (HistoryShot &h : r.shots)
        h.offset = PercentOffset(h.shot.pos, rects.value(h.shot.target, fallback));
    r.results = ComputeHistoryResults(r.shots, r.startUs, parUs);
    if (!historyWriter)
        SetUpHistory();
    if (historyWriter)
        historyWriter->Store(r);
}

void MainWindow::StoreQueuedGame()
{
    if (historyQueued.shots.isEmpty())
        return;
    HistoryRecord r = historyQueued;
    historyQueued = HistoryRecord();
    r.results = ComputeHistoryResults(r.shots, r.startUs);
    if (!historyWriter)
        SetUpHistory();
    if (historyWriter)
        historyWriter->Store(r);
}
