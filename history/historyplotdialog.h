// SPDX-License-Identifier: GPL-3.0-or-later
// HistoryPlotDialog: a stored string's shots around the aim point, with its group figures.
#pragma once

#include "analysis/shotplotdata.h"

#include <QDialog>

class HistoryPlotDialog : public QDialog
{
    Q_OBJECT

public:
    explicit HistoryPlotDialog(const ShotPlotData &data, QWidget *parent = nullptr);

    const ShotPlotData &Data() const { return plot; }

private:
    ShotPlotData plot;
};
