// SPDX-License-Identifier: GPL-3.0-or-later
// A stored string drawn as the analysis draws a live one, with the same group figures beside it.
#include "historyplotdialog.h"

#include "groupfigures.h"
#include "groupstats.h"
#include "shotplotwidget.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>

HistoryPlotDialog::HistoryPlotDialog(const ShotPlotData &data, QWidget *parent) : QDialog(parent), plot(data)
{
    setWindowTitle(data.title);
    auto *layout = new QHBoxLayout(this);
    auto *view = new ShotPlotWidget(this);
    view->SetData(data);
    view->setMinimumSize(320, 320);
    layout->addWidget(view, 1);
    auto *figures = new QFormLayout;
    for (const FigureLine &line : GroupFigureLines(ComputeGroupStats(data), data.unit))
        figures->addRow(line.first, new QLabel(line.second, this));
    layout->addLayout(figures);
    resize(640, 420);
}
