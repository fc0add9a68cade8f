// SPDX-License-Identifier: GPL-3.0-or-later
// LaserZero: per-camera offsets applied to camera shots before they are scored.
#include "laserzero.h"

#include <QTransform>

int LaserZero::CameraAt(const QPointF &p)
{
    const int column = p.x() >= 640 ? 1 : 0;
    const int row = p.y() >= 480 ? 1 : 0;
    return row * 2 + column;
}

QPointF LaserZero::Offset(int camera) const
{
    return camera >= 0 && camera < Cameras ? offsets[size_t(camera)] : QPointF();
}

void LaserZero::SetOffset(int camera, const QPointF &offset)
{
    if (camera >= 0 && camera < Cameras)
        offsets[size_t(camera)] = offset;
}

void LaserZero::Clear(int camera)
{
    SetOffset(camera, QPointF());
}

void LaserZero::ClearAll()
{
    offsets.fill(QPointF());
}

bool LaserZero::IsSet(int camera) const
{
    return !Offset(camera).isNull();
}

QPointF LaserZero::CorrectScene(const QPointF &pos) const
{
    return pos - Offset(CameraAt(pos));
}

QPointF LaserZero::CorrectCorrected(const QPointF &corrected, const QPointF &pos, const QPolygonF &outline) const
{
    const QPointF offset = Offset(CameraAt(pos));
    QTransform toCorrected;
    if (offset.isNull() || !CorrectedMapping(outline, &toCorrected))
        return corrected;
    // Only the change is taken from this mapping: the camera library's own mapping of the shot
    // stays the base, so both agree exactly where no offset is set.
    return corrected + (toCorrected.map(pos - offset) - toCorrected.map(pos));
}

std::optional<QPointF> ZeroFromMisses(const QList<QPointF> &misses)
{
    if (misses.isEmpty())
        return std::nullopt;
    QPointF sum;
    for (const QPointF &m : misses)
        sum += m;
    return sum / misses.size();
}

bool CorrectedMapping(const QPolygonF &outline, QTransform *toCorrected)
{
    if (outline.size() != 5)
        return false;
    const QPolygonF quad(QVector<QPointF>{outline.at(0), outline.at(1), outline.at(2), outline.at(3)});
    const QPolygonF square(QVector<QPointF>{QPointF(0, 0), QPointF(1000, 0), QPointF(1000, 1000), QPointF(0, 1000)});
    return QTransform::quadToQuad(quad, square, *toCorrected);
}
