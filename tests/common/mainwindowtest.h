// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window as the GUI tests drive it, and the steps they share.
#pragma once

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "target.h"
#include "targetsgraphicscene.h"

#include <QListWidget>
#include <QPolygonF>
#include <QtTest>

namespace MainWindowTest {

// A main window on the given page; null when the camera library beside the test is missing.
// With manualTick the test calls Tick() itself instead of the 10 ms timer.
inline MainWindow *Open(int page, bool manualTick = false)
{
    auto *window = new MainWindow;
    if (!window->IsConfigured()) {
        delete window;
        return nullptr;
    }
    if (manualTick)
        window->tickTimer.stop();
    window->SetPage(page);
    return window;
}

inline void Tick(MainWindow *window)
{
    QMetaObject::invokeMethod(window, "Tick10ms");
}

// A rectangular target, as the Targets page would make it; it becomes the selected one.
inline Target *AddRect(MainWindow *window, const QRectF &r)
{
    window->scene->AddPolygonTarget(QPolygonF(r));
    return window->Targets().last();
}

inline void SelectRows(MainWindow *window, const QList<int> &rows)
{
    QListWidget *list = window->ui->listWidgetTargets;
    list->clearSelection();
    for (int r : rows)
        list->item(r)->setSelected(true);
}

} // namespace MainWindowTest
