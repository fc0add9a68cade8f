// SPDX-License-Identifier: GPL-3.0-or-later
// Painting a shot plot with QPainter, on screen, into a PDF or into an image.
#include "shotplotpainter.h"

#include "groupstats.h"
#include "plotframe.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

void PaintShotPlot(QPainter &painter, const QRectF &area, const ShotPlotData &data)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(area);
    painter.fillRect(area, Qt::white);
    const PlotFrame frame = FitPlot(area, data);
    const double line = std::max(1.0, area.width() / 400);

    // The target: rings of equal width, or the outline of a plain target's width.
    if (data.targetRadius > 0) {
        const double r = frame.Length(data.targetRadius);
        if (data.rings > 0) {
            painter.setPen(QPen(Qt::black, line));
            for (int i = data.rings; i >= 1; --i) {
                const double ri = r * i / data.rings;
                // The inner half of the rings is black, as on a paper target.
                painter.setBrush(i <= (data.rings + 1) / 2 ? QColor(40, 40, 40) : QColor(250, 250, 245));
                if (i <= (data.rings + 1) / 2)
                    painter.setPen(QPen(Qt::white, line));
                painter.drawEllipse(frame.centre, ri, ri);
            }
        } else {
            painter.setPen(QPen(Qt::gray, line, Qt::DashLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(frame.centre - QPointF(r, r), QSizeF(2 * r, 2 * r)));
        }
    }
    // The aim point.
    painter.setPen(QPen(QColor(0, 150, 220), line));
    const double cross = std::max(6.0, area.width() / 40);
    painter.drawLine(frame.centre - QPointF(cross, 0), frame.centre + QPointF(cross, 0));
    painter.drawLine(frame.centre - QPointF(0, cross), frame.centre + QPointF(0, cross));

    // Shots, numbered.
    const double dot = std::max(4.0, area.width() / 60);
    QFont font = painter.font();
    font.setPixelSize(int(std::max(8.0, dot * 1.4)));
    painter.setFont(font);
    for (int i = 0; i < data.offsets.size(); ++i) {
        const QPointF at = frame.Map(data.offsets.at(i));
        painter.setPen(QPen(Qt::black, line));
        painter.setBrush(QColor(0, 200, 0));
        painter.drawEllipse(at, dot, dot);
        painter.setPen(QColor(0, 120, 0));
        painter.drawText(at + QPointF(dot * 1.2, -dot * 0.6), QString::number(i + 1));
    }

    // Mean point of impact and the circle about it that holds every shot.
    const GroupStats stats = ComputeGroupStats(data);
    if (stats.meanPoint) {
        const QPointF m = frame.Map(*stats.meanPoint);
        painter.setPen(QPen(Qt::red, 2 * line));
        painter.setBrush(Qt::NoBrush);
        painter.drawLine(m - QPointF(dot, dot), m + QPointF(dot, dot));
        painter.drawLine(m - QPointF(dot, -dot), m + QPointF(dot, -dot));
        if (stats.groupRadius) {
            const double g = frame.Length(*stats.groupRadius) + dot;
            painter.drawEllipse(m, g, g);
        }
    }

    // The unit, so a reader knows what the figures beside measure.
    painter.setPen(Qt::darkGray);
    painter.drawText(area.adjusted(4, 4, -4, -4), Qt::AlignLeft | Qt::AlignTop, data.title);
    painter.drawText(area.adjusted(4, 4, -4, -4), Qt::AlignRight | Qt::AlignBottom, data.unit);
    painter.restore();
}
