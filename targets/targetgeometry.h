// SPDX-License-Identifier: GPL-3.0-or-later
// Target geometry: box resizing, corner clamping, rectangle outlines and rectangle mapping.
#pragma once

#include <QPointF>
#include <QPolygonF>
#include <QRectF>

#include <array>

// Box corners in the order top-left, top-right, bottom-right, bottom-left.
using BoxCorners = std::array<QPointF, 4>;

// Maps p from one rectangle onto another, per axis.
QPointF MapRect(QPointF p, const QRectF &from, const QRectF &to);

// The box's corners, in handle order.
BoxCorners BoxCornersOf(const QRectF &box);

// Moves corner i by delta; its two neighbours follow along one axis each so the four stay a rectangle.
void MoveBoxCorner(BoxCorners &corners, int i, QPointF delta);

// The closed five-point outline of a dragged rectangle: press corner, across, far corner, down, press corner.
QPolygonF RectToPolygon(QPointF pressPoint, QPointF currentPoint);

// Holds corner i (0 top-left .. 3 bottom-left) of the corrected ring target inside its quarter of the
// 640 x 480 picture, so the quadrilateral can neither fold over nor leave the picture.
QPointF ClampCornerToQuarter(int corner, QPointF p);
