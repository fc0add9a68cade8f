// SPDX-License-Identifier: GPL-3.0-or-later
// MainWindow's New and Open: the set-up they replace goes to the recovery folder and can be taken back.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "projectdata.h"
#include "recoveryfolder.h"
#include "undonotice.h"

#include <QDir>
#include <QFileInfo>
#include <QStatusBar>

void MainWindow::CreateUndoNotice()
{
    if (recoveryPath.isEmpty())
        recoveryPath = RecoveryFolder::DefaultPath();
    undoNotice = new UndoNotice(this);
    // Permanent: the transient messages of other parts must not hide the offer.
    ui->statusBar->addPermanentWidget(undoNotice);
    connect(undoNotice, &UndoNotice::UndoRequested, this, &MainWindow::UndoReplace);
}

void MainWindow::on_toolButtonNew_clicked()
{
    const QByteArray before = ProjectToJson(CurrentProject());
    const int pageBefore = page;
    ClearProject();
    OfferUndo(before, pageBefore, tr("Neues Projekt."));
}

void MainWindow::on_toolButtonOpen_clicked()
{
    const QString fileName = AskProjectFileName(false);
    if (fileName.isEmpty())
        return;
    const QByteArray before = ProjectToJson(CurrentProject());
    const int pageBefore = page;
    const QString shown = QFileInfo(fileName).fileName();
    bool heldProject = false;
    if (!LoadProject(fileName, &heldProject)) {
        ui->statusBar->showMessage(tr("%1 kann nicht geöffnet werden; nichts geändert.").arg(shown), 20000);
        return;
    }
    OfferUndo(before, pageBefore,
              heldProject ? tr("Projekt %1 geöffnet.").arg(shown)
                          : tr("%1 enthält kein Projekt: Ziele gelöscht, alles auf den Vorgaben.").arg(shown));
}

void MainWindow::OfferUndo(const QByteArray &before, int pageBefore, const QString &what)
{
    if (!undoNotice)
        CreateUndoNotice();
    replacedProject = before;
    replacedPage = pageBefore;
    RecoveryFolder folder(recoveryPath);
    const QString kept = folder.Write(before);
    const QString where = kept.isEmpty()
        ? tr("Das vorige Projekt konnte nicht gesichert werden (%1).").arg(folder.ErrorString())
        : tr("Das vorige liegt in %1.").arg(QDir::toNativeSeparators(kept));
    undoNotice->Offer(what + QLatin1Char(' ') + where);
}

void MainWindow::UndoReplace()
{
    if (replacedProject.isEmpty())
        return;
    const ProjectData p = ProjectFromJson(replacedProject);
    replacedProject.clear();
    ClearProject();
    ApplyProject(p);
    // ApplyProject limits the inner circles by the circle count in force before it; the set-up
    // taken back had both, so its inner circles are set again under its own count.
    ui->spinBoxInnerCircles->setValue(p.innerCircles);
    // Pictures loaded while the display showed the camera are part of the set-up too, though a
    // project file loads them only for a shown image target.
    if (p.targetImageFilename != targetImageFilename && QFileInfo(p.targetImageFilename).isFile())
        LoadDisplayImage(p.targetImageFilename);
    if (p.scoreImageFilename != scoreImageFilename)
        LoadScoreImage(p.scoreImageFilename);
    SetPage(replacedPage);
    ui->statusBar->showMessage(tr("Voriges Projekt wiederhergestellt."), 10000);
}
