// SPDX-License-Identifier: GPL-3.0-or-later
// Target styles: the outline and hatch of a shape in a role colour, and the selection pen.
#include "targetstyle.h"

#include <QAbstractGraphicsShapeItem>
#include <QBrush>

void ApplyShapeStyle(QAbstractGraphicsShapeItem *item, const QColor &colour, Qt::BrushStyle brushStyle)
{
    if (!item)
        return;
    item->setPen(QPen(QBrush(colour), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QColor faint = colour;
    faint.setAlpha(20);
    item->setBrush(QBrush(faint, brushStyle));
}

QPen SelectionPen()
{
    return QPen(QBrush(QColor(102, 255, 0)), 2.0, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin);
}
