// SPDX-License-Identifier: GPL-3.0-or-later
// LaserZero: each camera's offset between where the laser hits and where the sights point.
#pragma once

#include <QList>
#include <QPointF>
#include <QPolygonF>

#include <array>
#include <optional>

class QTransform;

class LaserZero
{
public:
    static constexpr int Cameras = 4;

    // The camera whose 640 x 480 tile of the scene holds p (the tiles form a 2 x 2 grid).
    static int CameraAt(const QPointF &p);

    QPointF Offset(int camera) const;
    void SetOffset(int camera, const QPointF &offset);
    void Clear(int camera);
    void ClearAll();
    bool IsSet(int camera) const;

    // A camera shot's scene position with its camera's offset taken away.
    QPointF CorrectScene(const QPointF &pos) const;
    // Its corrected position (0-1000 inside the corrected ring target whose closed five-point
    // outline is given) moved as the scene position moved, through that target's perspective
    // mapping. Unchanged without an offset or without a usable outline.
    QPointF CorrectCorrected(const QPointF &corrected, const QPointF &pos, const QPolygonF &outline) const;

private:
    std::array<QPointF, Cameras> offsets{};
};

// The offset a zeroing string gives: the mean of the shots' misses from the aim point, in scene
// units; none without shots.
std::optional<QPointF> ZeroFromMisses(const QList<QPointF> &misses);

// The corrected ring target's mapping from scene points to corrected positions (corner 0 to (0, 0),
// 1 to (1000, 0), 2 to (1000, 1000), 3 to (0, 1000)); false when the outline has not five points
// or is degenerate.
bool CorrectedMapping(const QPolygonF &outline, QTransform *toCorrected);
