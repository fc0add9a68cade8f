// SPDX-License-Identifier: GPL-3.0-or-later
// MainWindow project actions: Save, Open and New, the start-up load, and applying a loaded file.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "camera.h"
#include "filesuffix.h"
#include "hit.h"
#include "projectdata.h"
#include "savefailure.h"
#include "target.h"
#include "targetsgraphicscene.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsEllipseItem>
#include <QGraphicsPolygonItem>
#include <QJsonDocument>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QStatusBar>

QString MainWindow::AskProjectFileName(bool save)
{
    const QString start = QDir::currentPath() + QStringLiteral("/Fieldshot.fsp");
    const QString filter = QStringLiteral("(*.fsp)");
    return save ? QFileDialog::getSaveFileName(this, tr("Save"), start, filter)
                : QFileDialog::getOpenFileName(this, tr("Open"), start, filter);
}

void MainWindow::on_toolButtonSave_clicked()
{
    // A name typed without an extension would not show in the Open dialog's "(*.fsp)" filter.
    const QString fileName = WithDefaultSuffix(AskProjectFileName(true), QStringLiteral("fsp"));
    if (fileName.isEmpty())
        return;
    if (SaveProject(fileName))
        ui->statusBar->showMessage(tr("Projekt gespeichert: %1").arg(QDir::toNativeSeparators(fileName)), 10000);
    else
        ui->statusBar->showMessage(tr("Nichts gespeichert: %1 (%2)").arg(QDir::toNativeSeparators(fileName), lastSaveError),
                                   20000);
}

void MainWindow::ClearProject()
{
    historyProject.clear();
    ui->radioButtonDispCamera->setChecked(true);
    RemoveDisplayTargetItems();
    SetImageItemsVisible(false);
    // The camera picture is back: markers leave the display target's places for the shots' own.
    Hit::ShowAtShotPositions();
    ui->radioButtonDispTarget->setEnabled(false);
    ui->listWidgetTargets->clearSelection();
    scene->SelectItem(nullptr);
    while (ui->listWidgetTargets->count() > 0) {
        QListWidgetItem *row = ui->listWidgetTargets->item(0);
        if (Target *t = TargetOfRow(row))
            RemoveTarget(t);
        else
            delete ui->listWidgetTargets->takeItem(0);
    }
}

ProjectData MainWindow::CurrentProject()
{
    ProjectData p;
    p.game = ui->comboBoxGametype->currentIndex();
    p.shotCount = ui->spinBoxSchotCount->value();
    p.language = language;
    p.volume = volume;
    p.hitSize = hitSize;
    p.fourCameras = fourCameras;
    for (int i = 0; i < 6 && i < colors.size(); ++i)
        p.colors[i] = colors.at(i);
    p.dispTarget = ui->radioButtonDispTarget->isChecked();
    p.innerCircles = ui->spinBoxInnerCircles->value();
    p.totalCircles = ui->spinBoxCircles->value();
    p.dispNumbers = ui->checkBoxTargetNumbers->isChecked();
    p.dispBullseye = ui->checkBoxBullseye->isChecked();
    p.imageTarget = ui->radioButtonImageTarget->isChecked();
    p.targetImageFilename = targetImageFilename;
    p.scoreImageFilename = scoreImageFilename;

    for (Target *t : Targets()) {
        ProjectTarget pt;
        pt.name = t->name;
        pt.score = t->score;
        pt.type = t->type;
        if (auto *polygon = qgraphicsitem_cast<QGraphicsPolygonItem *>(t->item)) {
            pt.form = ProjectTarget::Polygon;
            pt.corners = polygon->polygon();
        } else if (auto *ellipse = qgraphicsitem_cast<QGraphicsEllipseItem *>(t->item)) {
            pt.form = ProjectTarget::Ellipse;
            pt.corners = EllipseCorners(ellipse->rect());
        }
        p.targets << pt;
    }

    for (int i = 0; i < 4; ++i) {
        ProjectCamera c;
        if (cameraCombos[i]->currentIndex() > 0) {
            Camera *camera = cameras[i];
            c.name = cameraCombos[i]->currentText();
            c.hasSettings = true;
            c.luminance = camera->GetThreshold(Camera::Luminance);
            c.minSize = camera->GetThreshold(Camera::MinSize);
            c.maxSize = camera->GetThreshold(Camera::MaxSize);
            c.minDistance = camera->GetThreshold(Camera::MinDistance);
            c.brightness = camera->BrightnessPercent();
            c.exposure = camera->ExposurePercent();
        }
        p.cameras << c;
    }
    StoreAnalysisSettings(p);
    return p;
}

bool MainWindow::SaveProject(const QString &fileName)
{
    // Written beside the old file and renamed over it only when complete: a failed or
    // interrupted save leaves the previous project as it was.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        lastSaveError = file.errorString();
        qDebug() << "Kann nicht öffnen";
        return false;
    }
    const QByteArray bytes = ProjectToJson(CurrentProject());
    // commit() alone lets a short final write (a full disk) through: flush and check first.
    // The reason is taken before cancelling, which replaces it with its own.
    lastSaveError.clear();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        lastSaveError = SaveFailure::Reason(file, fileName, bytes.size());
        file.cancelWriting();
    }
    if (!file.commit()) {
        if (lastSaveError.isEmpty())
            lastSaveError = file.errorString();
        qDebug() << "Kann nicht öffnen";
        return false;
    }
    historyProject = QFileInfo(fileName).fileName(); // the strings that follow are shot in it
    return true;
}

bool MainWindow::LoadProject(const QString &fileName, bool *heldProject)
{
    // Only a regular file of sane size is read: a pipe or device could block or never end.
    const QFileInfo info(fileName);
    QFile file(fileName);
    if (!info.isFile() || info.size() > ProjectLimits::MaxFileBytes || !file.open(QIODevice::ReadOnly)) {
        qDebug() << "Kann nicht öffnen";
        return false;
    }
    const QByteArray bytes = file.read(ProjectLimits::MaxFileBytes + 1);
    file.close();
    if (bytes.size() > ProjectLimits::MaxFileBytes) { // grew since it was measured
        qDebug() << "Kann nicht öffnen";
        return false;
    }
    ClearProject();
    if (heldProject)
        *heldProject = QJsonDocument::fromJson(bytes).isObject();
    ApplyProject(ProjectFromJson(bytes));
    historyProject = info.fileName();
    return true;
}

void MainWindow::ApplyProject(const ProjectData &p)
{
    ui->comboBoxGametype->setCurrentIndex(p.game);
    ui->spinBoxSchotCount->setValue(p.shotCount);
    hitSize = p.hitSize;

    for (int i = 0; i < 6 && i < colors.size(); ++i)
        if (p.colors[i].isValid())
            colors[i] = p.colors[i];

    for (const ProjectTarget &pt : p.targets) {
        auto *t = new Target;
        t->name = pt.name;
        t->score = pt.score;
        t->type = pt.type;
        if (pt.form == ProjectTarget::Ellipse)
            t->item = new QGraphicsEllipseItem(pt.corners.boundingRect());
        else
            t->item = new QGraphicsPolygonItem(pt.corners);
        // Row r lies at depth -r, so the top row is in front, as after any restacking.
        t->item->setZValue(-ui->listWidgetTargets->count());
        scene->addItem(t->item);
        AppendTargetRow(t);
    }

    for (int i = 0; i < p.cameras.size() && i < 4; ++i) {
        const ProjectCamera &c = p.cameras.at(i);
        const int index = qMax(0, cameraCombos[i]->findText(c.name));
        cameraCombos[i]->setCurrentIndex(index);
        SelectCameraDevice(i, index);
        if (index == 0)
            continue;
        Camera *camera = cameras[i];
        camera->SetThreshold(Camera::MinSize, c.minSize);
        camera->SetThreshold(Camera::MaxSize, c.maxSize);
        camera->SetThreshold(Camera::Luminance, c.luminance);
        camera->SetThreshold(Camera::MinDistance, c.minDistance);
        camera->brightnessPercent = float(c.brightness);
        camera->exposurePercent = float(c.exposure);
    }

    ui->checkBoxBullseye->setChecked(p.dispBullseye);
    ui->checkBoxTargetNumbers->setChecked(p.dispNumbers);
    // Inner circles first: they are limited by the circle count in force before this load,
    // also when no circle target has been drawn yet to set that limit.
    {
        const QSignalBlocker blocker(ui->spinBoxInnerCircles);
        ui->spinBoxInnerCircles->setMaximum(ui->spinBoxCircles->value());
    }
    ui->spinBoxInnerCircles->setValue(p.innerCircles);
    ui->spinBoxCircles->setValue(p.totalCircles);

    if (!p.dispTarget) {
        ui->radioButtonDispCamera->setChecked(true);
        RemoveDisplayTargetItems();
    } else {
        ui->radioButtonDispTarget->setChecked(true);
        if (p.imageTarget) {
            ui->radioButtonImageTarget->setChecked(true);
            // A missing picture keeps the pictures loaded before, the score picture included.
            if (QFileInfo(p.targetImageFilename).isFile()) {
                LoadDisplayImage(p.targetImageFilename);
                LoadScoreImage(p.scoreImageFilename);
            }
        } else {
            // A file saved with the circle target chosen gets it back.
            ui->radioButtonCircleTarget->setChecked(true);
        }
    }

    SetLanguage(p.language);
    ColorAllTargets();
    SetVolume(p.volume);
    SetFourCameras(p.fourCameras);
    ApplyAnalysisSettings(p);
    SetPage(2);
}
