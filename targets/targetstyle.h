// SPDX-License-Identifier: GPL-3.0-or-later
// Target styles: the outline and hatch of a shape in a role colour, and the selection pen.
#pragma once

#include <QColor>
#include <QPen>

class QAbstractGraphicsShapeItem;

// A solid round-capped outline of width 2 in the colour, and a faint (alpha 20) brush of the style.
void ApplyShapeStyle(QAbstractGraphicsShapeItem *item, const QColor &colour, Qt::BrushStyle brushStyle);

// The dashed green outline a selected shape wears over its own brush.
QPen SelectionPen();
