// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's ring target generator: n concentric circle targets in one step.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "ringgenerator.h"
#include "target.h"
#include "targetsgraphicscene.h"

#include <QInputDialog>

void MainWindow::on_pushButtonGenerateTarget_clicked()
{
    bool ok = false;
    const int n = askRingCount ? askRingCount(&ok)
                               : QInputDialog::getInt(this, tr("Ringscheibe"), tr("Wie viele Ringe soll die Scheibe haben?"),
                                                      5, 1, 25, 1, &ok);
    if (!ok)
        return;
    QListWidget *list = ui->listWidgetTargets;
    if (n < 1) {
        list->clearSelection();
        return;
    }
    // Each ring lands in a new last row, so the innermost (made first) lies in front of the others.
    for (const GeneratedRing &ring : GenerateRings(n)) {
        scene->AddEllipseTarget(ring.rect);
        if (Target *t = SelectedTarget()) {
            t->name = tr("Ring ") + QString::number(ring.score);
            t->score = ring.score;
            UpdateTargetText(t);
        }
    }
    list->clearSelection();
    for (int row = list->count() - 1; row >= list->count() - n && row >= 0; --row)
        list->item(row)->setSelected(true);
}
