// SPDX-License-Identifier: GPL-3.0-or-later
// Target geometry: box resizing, corner clamping, rectangle outlines and rectangle mapping.
#include "targetgeometry.h"

#include <QtGlobal>

QPointF MapRect(QPointF p, const QRectF &from, const QRectF &to)
{
    // A collapsed source box puts everything on the target's edge instead of dividing by zero.
    const qreal x = from.width() != 0 ? (p.x() - from.left()) / from.width() * to.width() + to.left() : to.left();
    const qreal y = from.height() != 0 ? (p.y() - from.top()) / from.height() * to.height() + to.top() : to.top();
    return QPointF(x, y);
}

BoxCorners BoxCornersOf(const QRectF &box)
{
    return {box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft()};
}

void MoveBoxCorner(BoxCorners &corners, int i, QPointF delta)
{
    const int next = (i + 1) % 4;
    const int previous = (i + 3) % 4;
    corners[i] += delta;
    if (i % 2 == 0) {
        // Top-left and bottom-right: the next corner shares the row, the previous the column.
        corners[next].ry() += delta.y();
        corners[previous].rx() += delta.x();
    } else {
        corners[previous].ry() += delta.y();
        corners[next].rx() += delta.x();
    }
}

QPolygonF RectToPolygon(QPointF pressPoint, QPointF currentPoint)
{
    QPolygonF polygon;
    polygon << pressPoint << QPointF(currentPoint.x(), pressPoint.y()) << currentPoint
            << QPointF(pressPoint.x(), currentPoint.y()) << pressPoint;
    return polygon;
}

QPointF ClampCornerToQuarter(int corner, QPointF p)
{
    const bool right = corner == 1 || corner == 2;
    const bool bottom = corner == 2 || corner == 3;
    const qreal left = right ? 320 : 0;
    const qreal top = bottom ? 240 : 0;
    return QPointF(qBound(left, p.x(), left + 320), qBound(top, p.y(), top + 240));
}
