// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's settings tool button: the settings dialog, run modally, then the new colours.
#include "mainwindow.h"

#include "dialogsettings.h"

#include <QPointer>

void MainWindow::on_toolButtonSettings_clicked()
{
    QPointer<dialogSettings> dialog = new dialogSettings(this);
    dialog->exec();
    // "Ok" deletes the dialog; any other way out (Escape) must not leave it behind either.
    if (dialog)
        dialog->deleteLater();
    ColorAllTargets();
}
