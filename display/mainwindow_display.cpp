// SPDX-License-Identifier: GPL-3.0-or-later
// Display target: the ring target or picture drawn in camera 1's area instead of its live picture.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "displaytargetframe.h"
#include "formtargetpdftool.h"
#include "imagefile.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QSignalBlocker>
#include <QStatusBar>

using namespace DisplayTargetFrame;

void MainWindow::UpdateDisplayTarget()
{
    SetImageItemsVisible(false);
    RemoveDisplayTargetItems();
    if (page != 2) {
        on_pushButtonFinishEditing_clicked();
        RemoveDisplayTargetItems();
        return;
    }

    if (FindCorrectedTarget()) {
        ui->radioButtonDispTarget->setEnabled(true);
    } else {
        ui->radioButtonDispTarget->setEnabled(false);
        ui->radioButtonDispCamera->setChecked(true);
    }

    if (!ui->radioButtonDispTarget->isChecked()) {
        ShowHitMarkers(false);
        on_pushButtonFinishEditing_clicked();
        ui->pushButtonEditDispTarget->setEnabled(false);
        ui->comboBoxGametype->setEnabled(true);
        return;
    }

    ui->pushButtonEditDispTarget->setEnabled(true);
    if (ui->radioButtonCircleTarget->isChecked()) {
        DrawCircleTarget();
        ui->frame_EditTargetOverlay->show();
        ui->frameEditImageOverlay->hide();
    } else {
        SetImageItemsVisible(true);
        ui->frameEditImageOverlay->show();
        ui->frame_EditTargetOverlay->hide();
    }
    // A display target always plays the first game type.
    ui->comboBoxGametype->setCurrentIndex(0);
    ui->comboBoxGametype->setEnabled(false);
    ShowHitMarkers(true);
}

bool MainWindow::CircleTargetShown() const
{
    return page == 2 && ui->radioButtonDispTarget->isEnabled() && ui->radioButtonDispTarget->isChecked()
        && ui->radioButtonCircleTarget->isChecked();
}

void MainWindow::DrawCircleTarget()
{
    RemoveDisplayTargetItems();
    const int circles = ui->spinBoxCircles->value();
    {
        // Lowering the maximum may lower the value; that must not start a second drawing.
        const QSignalBlocker blocker(ui->spinBoxInnerCircles);
        ui->spinBoxInnerCircles->setMaximum(circles);
        ui->spinBoxInnerCircles->setMinimum(0);
    }

    // The sheet generator's drawing with its default line width and numbers font.
    FormTargetPDFTool tool(this);
    tool.SetCircles(circles);
    tool.SetInnerCircles(ui->spinBoxInnerCircles->value());
    tool.SetBullseye(ui->checkBoxBullseye->isChecked());
    const bool numbers = ui->checkBoxTargetNumbers->isChecked();
    tool.SetNumbers(numbers, numbers, numbers, numbers, false);
    tool.DrawRingTarget(CircleCentre, scene, CircleDiameter);

    QGraphicsRectItem *paper = scene->addRect(Area, QPen(), QBrush(Qt::white, Qt::SolidPattern));
    paper->setZValue(CircleZMin);
}

void MainWindow::RemoveDisplayTargetItems()
{
    const QList<QGraphicsItem *> items = scene->items();
    for (QGraphicsItem *item : items) {
        // Children go with their parent; the ring target's items are all top-level.
        if (item->parentItem() || item->zValue() < CircleZMin || item->zValue() > CircleZMax)
            continue;
        scene->removeItem(item);
        delete item;
    }
}

void MainWindow::SetImageItemsVisible(bool visible)
{
    if (displayImageItem)
        displayImageItem->setVisible(visible);
    if (displayImageBackground)
        displayImageBackground->setVisible(visible);
}

void MainWindow::LoadDisplayImage(const QString &path)
{
    // New items show only while the image target is what the Game page shows.
    const bool imageShown = page == 2 && ui->radioButtonDispTarget->isChecked()
        && ui->radioButtonImageTarget->isChecked();
    if (!displayImageBackground) {
        QGraphicsRectItem *background = scene->addRect(Area, Qt::NoPen, QBrush(Qt::black, Qt::SolidPattern));
        background->setZValue(ImageBackgroundZ);
        background->setVisible(imageShown);
        displayImageBackground = background;
    }

    if (!QFileInfo(path).isFile())
        return;
    const ImageFile file = ReadImageFile(path, ImageWorkingSize);
    if (file.tooLarge)
        ShowImageTooLarge(path, file.fileSize);
    if (file.image.isNull())
        return;

    if (displayImageItem) {
        scene->removeItem(displayImageItem);
        delete displayImageItem;
        displayImageItem = nullptr;
    }
    targetImageFilename = path;
    ui->labelDisplayImage->setText(QFileInfo(path).baseName());
    RemoveDisplayTargetItems();

    const QPixmap working = QPixmap::fromImage(
        file.image.scaled(ImageWorkingSize, Qt::KeepAspectRatio, Qt::FastTransformation));
    displayImageItem = scene->addPixmap(working);
    displayImageItem->setTransform(QTransform::fromScale(ImageScale, ImageScale));
    displayImageItem->setZValue(ImageZ);
    displayImageItem->setPos(DisplayImagePosition(working.size()));
    displayImageItem->setVisible(imageShown);
}

void MainWindow::LoadScoreImage(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return;
    // The score image keeps its own resolution: scaling would blend the points of neighbouring areas.
    const ImageFile file = ReadImageFile(path);
    if (file.tooLarge)
        ShowImageTooLarge(path, file.fileSize);
    if (file.image.isNull())
        return;
    scoreImage = file.image;
    scoreImageFilename = path;
    ui->labelScoreImage->setText(QFileInfo(path).baseName());
}

void MainWindow::ShowImageTooLarge(const QString &path, const QSize &size)
{
    ui->statusBar->showMessage(tr("Bild zu groß, nicht geladen: %1 (%2 x %3 Pixel)")
                                   .arg(QFileInfo(path).fileName())
                                   .arg(size.width())
                                   .arg(size.height()),
                               10000);
}

void MainWindow::on_radioButtonDispTarget_clicked() { UpdateDisplayTarget(); }
void MainWindow::on_radioButtonDispCamera_clicked() { UpdateDisplayTarget(); }
void MainWindow::on_radioButtonCircleTarget_clicked() { UpdateDisplayTarget(); }
void MainWindow::on_radioButtonCircleTarget_toggled(bool) { UpdateDisplayTarget(); }
void MainWindow::on_radioButtonImageTarget_toggled(bool) { UpdateDisplayTarget(); }

void MainWindow::on_spinBoxCircles_valueChanged(int arg1)
{
    {
        const QSignalBlocker blocker(ui->spinBoxInnerCircles);
        ui->spinBoxInnerCircles->setMaximum(arg1);
    }
    // The settings change the drawing only while it is shown; elsewhere they wait for the next one.
    if (CircleTargetShown())
        DrawCircleTarget();
}

void MainWindow::on_spinBoxInnerCircles_valueChanged(int)
{
    if (CircleTargetShown())
        DrawCircleTarget();
}

void MainWindow::on_checkBoxBullseye_stateChanged(int)
{
    if (CircleTargetShown())
        DrawCircleTarget();
}

void MainWindow::on_checkBoxTargetNumbers_stateChanged(int)
{
    if (CircleTargetShown())
        DrawCircleTarget();
}

void MainWindow::on_pushButtonEditDispTarget_clicked()
{
    ui->frameEditOverlay->show();
    ui->pushButtonEditDispTarget->hide();
}

void MainWindow::on_pushButtonFinishEditing_clicked()
{
    // Hiding a focused control passes the focus on along the chain, to a control that would then
    // take the Space key instead of the window. With the focus cleared Space starts the game.
    QWidget *focus = QApplication::focusWidget();
    if (focus && ui->frameEditOverlay->isAncestorOf(focus))
        focus->clearFocus();
    ui->frameEditOverlay->hide();
    ui->pushButtonEditDispTarget->show();
}

void MainWindow::on_pushButtonSelectDisplayImage_clicked()
{
    LoadDisplayImage(QFileDialog::getOpenFileName(this, tr("Open Image"), QDir::currentPath(),
                                                  tr("Image Files (*.png *.jpg *.bmp)")));
}

void MainWindow::on_pushButtonSelectScoreImage_clicked()
{
    LoadScoreImage(QFileDialog::getOpenFileName(this, tr("Open Image"), QDir::currentPath(),
                                                tr("Image Files (*.png *.jpg *.bmp)")));
}

void MainWindow::UpdateScoreImageToolTip()
{
    const QString tip = tr("Das Punktebild bestimmt die Punkte eines Treffers: Es wird über das angezeigte "
                           "Anzeigebild gestreckt, und der Pixel an der Trefferstelle zählt seinen Rotanteil "
                           "(0 bis 255) geteilt durch 10, ohne Rest: 0 bis 25 Punkte. Grün, Blau und "
                           "Transparenz zählen nicht; 0 Punkte ist ein Fehlschuss.");
    for (QWidget *w : {static_cast<QWidget *>(ui->pushButtonSelectScoreImage), static_cast<QWidget *>(ui->labelScoreImage),
                       static_cast<QWidget *>(ui->label_10)})
        w->setToolTip(tip);
}
