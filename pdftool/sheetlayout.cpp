// SPDX-License-Identifier: GPL-3.0-or-later
// Target sheet geometry as plain arithmetic, so it can be checked without a scene.
#include "sheetlayout.h"

#include <algorithm>

namespace SheetLayout {

namespace {
constexpr double A4Width = 210.0;
constexpr double A4Height = 297.0;
constexpr double TitleBand = 30.0;
}

QSizeF PageSize(bool landscape)
{
    return landscape ? QSizeF(A4Height, A4Width) : QSizeF(A4Width, A4Height);
}

QVector<QPointF> TargetCentres(const QSizeF &page, double diameter, int countX, int countY,
                               double gapX, double gapY)
{
    QVector<QPointF> centres;
    if (countX < 1 || countY < 1)
        return centres;
    centres.reserve(countX * countY);
    for (int ix = 0; ix < countX; ++ix) {
        for (int iy = 0; iy < countY; ++iy) {
            const double x = page.width() / 2 - (diameter + gapX) * ((countX - 1) / 2.0 - ix);
            const double y = page.height() / 2 - (diameter + gapY) * ((countY - 1) / 2.0 - iy);
            centres.append(QPointF(x, y));
        }
    }
    return centres;
}

double RingStep(double outerDiameter, int circles)
{
    return circles > 0 ? outerDiameter / circles : 0.0;
}

double CircleDiameter(int i, double step)
{
    return i * step;
}

double BullseyeDiameter(double step)
{
    return step / 2;
}

QRectF CircleRect(const QPointF &centre, double diameter)
{
    return QRectF(centre.x() - diameter / 2, centre.y() - diameter / 2, diameter, diameter);
}

int ClampedInnerCircles(int innerCircles, int circles)
{
    return std::min(innerCircles, circles);
}

int RingNumber(int circles, int i)
{
    return circles + 1 - i;
}

QPointF NumberTopLeft(NumberSide side, const QRectF &circleBounds, const QPointF &centre,
                      double step, const QSizeF &text)
{
    // Half the step is the band's width, so a quarter step inwards from circle i is its middle.
    const double quarter = step / 4;
    switch (side) {
    case NumberSide::Left:
        return QPointF(circleBounds.left() - text.width() / 2 + quarter, centre.y() - text.height() / 2);
    case NumberSide::Right:
        return QPointF(circleBounds.right() - text.width() / 2 - quarter, centre.y() - text.height() / 2);
    case NumberSide::Top:
        return QPointF(centre.x() - text.width() / 2, circleBounds.top() - text.height() / 2 + quarter);
    case NumberSide::Bottom:
        break;
    }
    return QPointF(centre.x() - text.width() / 2, circleBounds.bottom() - text.height() / 2 - quarter);
}

QPointF CentredTopLeft(const QPointF &centre, const QSizeF &text)
{
    return QPointF(centre.x() - text.width() / 2, centre.y() - text.height() / 2);
}

QPointF TitleTopLeft(double pageWidth, const QSizeF &text)
{
    return QPointF((pageWidth - text.width()) / 2, (TitleBand - text.height()) / 2);
}

std::array<QPointF, 4> CrossPoints(const QPointF &centre, double diameter)
{
    const double r = diameter / 2;
    return { QPointF(centre.x() - r, centre.y() - r), QPointF(centre.x() + r, centre.y() - r),
             QPointF(centre.x() + r, centre.y() + r), QPointF(centre.x() - r, centre.y() + r) };
}

QPointF LogoTopLeft(const QSizeF &page, const QSizeF &logoPixels)
{
    return QPointF(page.width() - LogoScale * logoPixels.width() - 8,
                   page.height() - LogoScale * logoPixels.height() - 10);
}

QPointF WatermarkTextTopLeft(const QSizeF &page, double textWidth)
{
    return QPointF(page.width() - 3.2 - textWidth, page.height() - 14);
}

QRect PreviewViewRect(const QSize &frame, const QSizeF &page, double *scale)
{
    const double f = std::min(frame.width() / page.width(), frame.height() / page.height());
    if (scale)
        *scale = f;
    const double w = f * page.width();
    const double h = f * page.height();
    return QRect(int((frame.width() - w) / 2), int((frame.height() - h) / 2), int(w), int(h));
}

} // namespace SheetLayout
