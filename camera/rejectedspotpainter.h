// SPDX-License-Identifier: GPL-3.0-or-later
// RejectedSpotPainter: marks the lit areas the camera library did not take as shots, with why.
#pragma once

#include "laser.h"

#include <QCoreApplication>
#include <QString>

class QImage;

// The laser view shows each rejected area as a box with a short reason beside it, so that a
// user who sees a light marked but no shot can tell which rule turned it down.
class RejectedSpotPainter
{
    Q_DECLARE_TR_FUNCTIONS(RejectedSpotPainter)

public:
    // The short, translated reason of a LASER_REJECT_* code; empty for an unknown code.
    static QString ReasonText(int reason);
    // Draws count areas onto image, whose pixels are those of the boxes (upright, top left).
    static void Paint(QImage &image, const LaserRejectedSpot *spots, int count);

    // The colour of the boxes and texts: apart from the view's red laser pixels and white.
    static constexpr unsigned BoxColour = 0xffffc000;
};
