// SPDX-License-Identifier: GPL-3.0-or-later
// A plain drawing of a stored string's shots around the aim point.
#include "historyplotdialog.h"

#include <QPainter>

#include <cmath>

HistoryPlotDialog::HistoryPlotDialog(const ShotPlotData &data, QWidget *parent) : QDialog(parent), plot(data)
{
    setWindowTitle(data.title);
    setMinimumSize(320, 360);
    resize(480, 520);
}

void HistoryPlotDialog::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    const int titleHeight = fontMetrics().height() * 2;
    p.drawText(QRect(0, 0, width(), titleHeight), Qt::AlignCenter, plot.title);

    // The scale takes the target's edge or the farthest shot, whichever is farther out.
    double extent = plot.targetRadius;
    for (const QPointF &o : plot.offsets)
        extent = qMax(extent, qMax(std::abs(o.x()), std::abs(o.y())));
    if (extent <= 0)
        extent = 1;
    const QRectF area = QRectF(0, titleHeight, width(), height() - titleHeight).adjusted(10, 10, -10, -10);
    const double side = qMin(area.width(), area.height());
    const QPointF centre = area.center();
    const double scale = side / 2 / (extent * 1.1);

    p.setPen(QPen(Qt::gray, 1, Qt::DashLine));
    p.drawLine(QPointF(centre.x() - side / 2, centre.y()), QPointF(centre.x() + side / 2, centre.y()));
    p.drawLine(QPointF(centre.x(), centre.y() - side / 2), QPointF(centre.x(), centre.y() + side / 2));
    if (plot.targetRadius > 0) {
        p.setPen(QPen(Qt::black, 1));
        const int rings = qMax(1, plot.rings);
        for (int i = 1; i <= rings; ++i) {
            const double r = plot.targetRadius * scale * i / rings;
            p.drawEllipse(centre, r, r);
        }
    }
    QPointF mean;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 140, 0));
    for (const QPointF &o : plot.offsets) {
        p.drawEllipse(centre + o * scale, 4, 4);
        mean += o;
    }
    if (!plot.offsets.isEmpty()) {
        // The mean point of impact as a red cross.
        mean /= plot.offsets.size();
        const QPointF m = centre + mean * scale;
        p.setPen(QPen(Qt::red, 2));
        p.drawLine(m - QPointF(7, 7), m + QPointF(7, 7));
        p.drawLine(m - QPointF(7, -7), m + QPointF(7, -7));
    }
    p.setPen(Qt::darkGray);
    p.drawText(area, Qt::AlignBottom | Qt::AlignRight,
               tr("Schüsse: %1, Einheit: %2").arg(plot.offsets.size()).arg(plot.unit));
}
