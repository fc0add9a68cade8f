// SPDX-License-Identifier: GPL-3.0-or-later
// ShotPlotWidget: paints its plot data into a square in its middle.
#include "shotplotwidget.h"

#include "shotplotpainter.h"

#include <QPainter>

ShotPlotWidget::ShotPlotWidget(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(240, 240);
}

void ShotPlotWidget::SetData(const ShotPlotData &data)
{
    plot = data;
    update();
}

void ShotPlotWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int side = qMin(width(), height());
    const QRectF square((width() - side) / 2.0, (height() - side) / 2.0, side, side);
    painter.fillRect(rect(), palette().window());
    PaintShotPlot(painter, square, plot);
}
