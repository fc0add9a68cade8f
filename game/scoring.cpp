// Scoring of shots on the drawn display target.
#include "scoring.h"

#include <QImage>
#include <QSize>
#include <QLineF>

#include <algorithm>
#include <cmath>

QPointF MapCorrectedToDisplay(QPointF corrected)
{
    return QPointF(corrected.x() * 460 / 1000 + 90, corrected.y() * 460 / 1000 + 10);
}

int CircleTargetScore(QPointF point, int rings, int hitSize)
{
    if (rings < 1)
        return 0;
    const double d = QLineF(QPointF(320, 240), point).length();
    const double e = d > hitSize ? d - hitSize : 0.0;
    const double ringWidth = 460.0 / (2.0 * rings);
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
    return QSize(int(std::floor(pixmapSize.width() * 0.25 + 0.5)), int(std::floor(pixmapSize.height() * 0.25 + 0.5)));
}
