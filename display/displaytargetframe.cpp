// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry and scoring of the drawn display target.
#include "displaytargetframe.h"

#include <QImage>
#include <QLineF>

#include <algorithm>
#include <cmath>

using namespace DisplayTargetFrame;

QPointF MapCorrectedToDisplay(QPointF corrected)
{
    const QPointF squareTopLeft = CircleCentre - QPointF(CircleDiameter / 2, CircleDiameter / 2);
    return QPointF(corrected.x() * CircleDiameter / CorrectedRange + squareTopLeft.x(),
                   corrected.y() * CircleDiameter / CorrectedRange + squareTopLeft.y());
}

int CircleTargetScore(QPointF point, int rings, int hitSize)
{
    if (rings < 1)
        return 0;
    const double d = QLineF(CircleCentre, point).length();
    const double e = d > hitSize ? d - hitSize : 0.0;
    const double ringWidth = CircleDiameter / (2.0 * rings);
    const int ring = rings - int(std::trunc(e / ringWidth));
    return std::max(ring, 0);
}

int ScoreImageValue(const QImage &scoreImage, double u, double v)
{
    if (scoreImage.isNull())
        return 0;
    const int x = std::clamp(int(std::trunc(u * scoreImage.width())), 0, scoreImage.width() - 1);
    const int y = std::clamp(int(std::trunc(v * scoreImage.height())), 0, scoreImage.height() - 1);
    return qRed(scoreImage.pixel(x, y)) / 10;
}

QSize DisplayImageShownSize(const QSize &pixmapSize)
{
    return QSize(int(std::floor(pixmapSize.width() * ImageScale + 0.5)),
                 int(std::floor(pixmapSize.height() * ImageScale + 0.5)));
}

QSize DisplayImageWorkingSize(const QSize &pictureSize)
{
    return pictureSize.scaled(ImageWorkingSize, Qt::KeepAspectRatio);
}

QPoint DisplayImagePosition(const QSize &workingSize)
{
    // Whole-number division, so the picture lands on whole scene units.
    return QPoint((ImageWorkingSize.width() - workingSize.width()) / 8,
                  (ImageWorkingSize.height() - workingSize.height()) / 8);
}
