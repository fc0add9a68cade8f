// SPDX-License-Identifier: GPL-3.0-or-later
// Target sheet geometry: page sizes and where targets, rings, numbers, title and watermark go, in millimetres.
#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSizeF>
#include <QVector>

#include <array>

namespace SheetLayout {

// Sides of a ring target that can carry ring numbers.
enum class NumberSide { Left, Right, Top, Bottom };

// A4 in millimetres, width and height swapped for landscape.
QSizeF PageSize(bool landscape);

// Centres of an nx by ny grid of targets of the given diameter, centred on the page with the
// given gaps between neighbouring outer circles; column by column, each column top to bottom.
QVector<QPointF> TargetCentres(const QSizeF &page, double diameter, int countX, int countY,
                               double gapX, double gapY);

// Difference in diameter between neighbouring circles; 0 when there are no circles.
double RingStep(double outerDiameter, int circles);

// Diameter of circle i (1 is the innermost).
double CircleDiameter(int i, double step);

// The bullseye is half as wide as the innermost circle.
double BullseyeDiameter(double step);

QRectF CircleRect(const QPointF &centre, double diameter);

// There cannot be more black inner circles than circles.
int ClampedInnerCircles(int innerCircles, int circles);

// The outermost band carries 1, the band next to the innermost circle carries circles - 1.
int RingNumber(int circles, int i);

// Top-left of a number's text so that it sits in the middle of the band outside circle i,
// given circle i's bounding rectangle (pen included).
QPointF NumberTopLeft(NumberSide side, const QRectF &circleBounds, const QPointF &centre,
                      double step, const QSizeF &text);

QPointF CentredTopLeft(const QPointF &centre, const QSizeF &text);

// The title is centred horizontally in a 30 mm band at the top of the page.
QPointF TitleTopLeft(double pageWidth, const QSizeF &text);

// Corners of a target's square, clockwise from top-left, where the position crosses go.
std::array<QPointF, 4> CrossPoints(const QPointF &centre, double diameter);

// Watermark at the bottom right: the logo scaled to a tenth, and the line of text beside it.
constexpr double LogoScale = 0.1;
QPointF LogoTopLeft(const QSizeF &page, const QSizeF &logoPixels);
QPointF WatermarkTextTopLeft(const QSizeF &page, double textWidth);

// Largest rectangle of the page's aspect centred in a frame of the given pixel size,
// fractions dropped; scale receives the pixels per millimetre.
QRect PreviewViewRect(const QSize &frame, const QSizeF &page, double *scale);

} // namespace SheetLayout
