// SPDX-License-Identifier: GPL-3.0-or-later
// MainWindow shot analysis: feeding the session, applying the laser zero, the project's analysis
// keys and the analysis window. The figures and the scoring live in the widget-free analysis code.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "aimtarget.h"
#include "analysiswindow.h"
#include "decimalscore.h"
#include "displaytargetframe.h"
#include "formtargetpdftool.h"
#include "hit.h"
#include "projectdata.h"
#include "target.h"

#include <QDoubleSpinBox>
#include <QEvent>
#include <QGraphicsEllipseItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsPolygonItem>
#include <QPushButton>
#include <QTransform>

namespace {

// The Game page's button; its text follows the language.
class AnalysisButton : public QPushButton
{
public:
    AnalysisButton() { Retranslate(); }

protected:
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            Retranslate();
        QPushButton::changeEvent(event);
    }

private:
    void Retranslate() { setText(MainWindow::tr("Trefferbild ...")); }
};

QPolygonF OutlineOf(const Target *t)
{
    auto *polygon = t ? qgraphicsitem_cast<QGraphicsPolygonItem *>(t->item) : nullptr;
    return polygon ? polygon->polygon() : QPolygonF();
}

} // namespace

void MainWindow::SetUpAnalysis()
{
    pushButtonAnalysis = new AnalysisButton;
    pushButtonAnalysis->setObjectName(QStringLiteral("pushButtonAnalysis"));
    QBoxLayout *page = ui->verticalLayoutGamePage;
    page->insertWidget(page->indexOf(ui->pushButtonGameStart) + 1, pushButtonAnalysis);
    connect(pushButtonAnalysis, &QPushButton::clicked, this, &MainWindow::OpenAnalysis);
}

QString MainWindow::DisplayTargetKey() const
{
    return tr("Anzeigescheibe");
}

void MainWindow::OpenAnalysis()
{
    if (!analysisWindow) {
        analysisWindow = new AnalysisWindow(&shotSession, this);
        connect(analysisWindow, &AnalysisWindow::DecimalScoringChanged, this, [this](bool on) { decimalScoring = on; });
        connect(analysisWindow, &AnalysisWindow::TargetSizeChanged, this, [this](const QString &key, double mm) {
            if (key == DisplayTargetKey())
                displayTargetSizeMm = mm;
            else if (mm > 0)
                targetSizesMm.insert(key, mm);
            else
                targetSizesMm.remove(key);
        });
        connect(analysisWindow, &AnalysisWindow::SheetSizeRequested, this, [this] {
            // The sheet generator's outer diameter, in millimetres, is the printed rings' real size.
            if (auto *diameter = pdfTool->findChild<QDoubleSpinBox *>(QStringLiteral("doubleSpinBoxOuterDiameter")))
                analysisWindow->spinSize->setValue(diameter->value());
        });
        connect(analysisWindow, &AnalysisWindow::ZeroRequested, this, &MainWindow::ZeroLaser);
        connect(analysisWindow, &AnalysisWindow::ZeroCleared, this, &MainWindow::ClearLaserZero);
    }
    QMap<QString, double> sizes = targetSizesMm;
    sizes.insert(DisplayTargetKey(), displayTargetSizeMm);
    analysisWindow->SetTargetSizes(sizes);
    analysisWindow->SetDecimalScoring(decimalScoring);
    analysisWindow->SetLaserZero(laserZero);
    analysisWindow->show();
    analysisWindow->raise();
}

void MainWindow::ApplyLaserZero(QPointF &pos, QPointF &corrected)
{
    // The corrected position moves first: it needs the shot where the camera saw it.
    corrected = laserZero.CorrectCorrected(corrected, pos, OutlineOf(FindCorrectedTarget()));
    pos = laserZero.CorrectScene(pos);
}

void MainWindow::ZeroLaser()
{
    // Cumulative: the shots were already corrected by the zero in force.
    const QMap<int, QPointF> misses = shotSession.MeanMisses();
    for (auto it = misses.begin(); it != misses.end(); ++it)
        laserZero.SetOffset(it.key(), laserZero.Offset(it.key()) + it.value());
    if (analysisWindow)
        analysisWindow->SetLaserZero(laserZero);
}

void MainWindow::ClearLaserZero()
{
    laserZero.ClearAll();
    if (analysisWindow)
        analysisWindow->SetLaserZero(laserZero);
}

QList<AimTarget> MainWindow::SceneAimTargets(QList<const Target *> *areaTargets, QVector<int> *targetOfArea)
{
    QList<AnalysisArea> areas;
    for (const Target *t : Targets()) {
        if (t->type != int(TargetType::Target) || !t->item)
            continue;
        areaTargets->append(t);
        const auto *ellipse = qgraphicsitem_cast<const QGraphicsEllipseItem *>(t->item);
        const QPolygonF outline = OutlineOf(t);
        areas << AnalysisArea{t->name, t->score, ellipse != nullptr,
                              ellipse ? ellipse->rect() : outline.boundingRect(), outline};
    }
    return BuildAimTargets(areas, targetOfArea);
}

QHash<const Target *, QRectF> MainWindow::SceneAimRects()
{
    QList<const Target *> areaTargets;
    QVector<int> targetOfArea;
    const QList<AimTarget> aims = SceneAimTargets(&areaTargets, &targetOfArea);
    QHash<const Target *, QRectF> rects;
    for (int i = 0; i < areaTargets.size(); ++i) {
        const AimTarget &aim = aims.at(targetOfArea.at(i));
        const QPointF half(aim.halfSize.width(), aim.halfSize.height());
        rects.insert(areaTargets.at(i), QRectF(aim.aim - half, aim.aim + half));
    }
    return rects;
}

void MainWindow::RecordAnalysisShot(const Hit *hit, const Target *target, QPointF pos, bool fromCamera)
{
    QTableWidget *table = ui->tableWidgetHits;
    const int row = table->rowCount() - 1;
    SessionShot shot;
    shot.timeMs = gameTimer.isValid() ? gameTimer.elapsed() : 0;
    if (row >= 0 && table->item(row, 1) && table->item(row, 2)) {
        shot.score = table->item(row, 1)->text().toInt();
        shot.timeText = table->item(row, 2)->text();
    }
    shot.camera = fromCamera ? LaserZero::CameraAt(pos) : -1;
    shot.pos = pos;

    AimTarget aim;
    if (ui->radioButtonDispTarget->isChecked()) {
        // Drawn targets are scored where the shot landed on the drawing.
        shot.onTarget = hit->displayPos;
        if (ui->radioButtonCircleTarget->isChecked()) {
            aim = DisplayRingTarget(ui->spinBoxCircles->value(), hitSize);
        } else if (displayImageItem) {
            const QSize shown = DisplayImageShownSize(displayImageItem->pixmap().size());
            aim.halfSize = QSizeF(shown) / 2;
            aim.aim = displayImageItem->pos() + QPointF(aim.halfSize.width(), aim.halfSize.height());
        } else {
            return;
        }
        aim.key = DisplayTargetKey();
        shot.hasTarget = hit->displayPos != QPointF(-100, -100) || ui->radioButtonCircleTarget->isChecked();
        // Both drawn targets have their middle at the corrected target's centre.
        QTransform toCorrected;
        if (fromCamera && CorrectedMapping(OutlineOf(FindCorrectedTarget()), &toCorrected) && toCorrected.isInvertible())
            shot.sceneAim = toCorrected.inverted().map(QPointF(500, 500));
    } else {
        QList<const Target *> areaTargets;
        QVector<int> targetOfArea;
        const QList<AimTarget> aims = SceneAimTargets(&areaTargets, &targetOfArea);
        const int index = AimTargetIndexFor(aims, targetOfArea, int(areaTargets.indexOf(target)), pos);
        if (index >= 0) {
            aim = aims.at(index);
            shot.hasTarget = true;
            shot.sceneAim = aim.aim;
        }
        shot.onTarget = pos;
    }
    shot.target = aim.key;
    shot.hasDecimal = !aim.rings.isEmpty();
    if (shot.hasDecimal)
        shot.decimal = DecimalRingScore(aim, shot.onTarget);
    shotSession.Add(shot, aim);
}

void MainWindow::StoreAnalysisSettings(ProjectData &p) const
{
    p.decimalScoring = decimalScoring;
    p.displayTargetSizeMm = displayTargetSizeMm;
    p.targetSizesMm = targetSizesMm;
    for (int c = 0; c < LaserZero::Cameras; ++c)
        p.laserZero[c] = laserZero.Offset(c);
}

void MainWindow::ApplyAnalysisSettings(const ProjectData &p)
{
    decimalScoring = p.decimalScoring;
    displayTargetSizeMm = p.displayTargetSizeMm;
    targetSizesMm = p.targetSizesMm;
    for (int c = 0; c < LaserZero::Cameras; ++c)
        laserZero.SetOffset(c, p.laserZero[c]);
    if (analysisWindow && analysisWindow->isVisible())
        OpenAnalysis();
}
