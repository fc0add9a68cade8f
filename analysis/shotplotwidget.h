// SPDX-License-Identifier: GPL-3.0-or-later
// ShotPlotWidget: a view of one target's shots, drawn from plain plot data.
#pragma once

#include "shotplotdata.h"

#include <QWidget>

class ShotPlotWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ShotPlotWidget(QWidget *parent = nullptr);

    void SetData(const ShotPlotData &data);
    const ShotPlotData &Data() const { return plot; }

    QSize sizeHint() const override { return QSize(400, 400); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ShotPlotData plot;
};
