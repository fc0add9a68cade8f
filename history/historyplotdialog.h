// SPDX-License-Identifier: GPL-3.0-or-later
// HistoryPlotDialog: a plain drawing of a stored string's shots around the aim point.
#pragma once

#include "analysis/shotplotdata.h"

#include <QDialog>

class HistoryPlotDialog : public QDialog
{
    Q_OBJECT

public:
    explicit HistoryPlotDialog(const ShotPlotData &data, QWidget *parent = nullptr);

    const ShotPlotData &Data() const { return plot; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ShotPlotData plot;
};
