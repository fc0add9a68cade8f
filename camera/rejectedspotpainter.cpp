// SPDX-License-Identifier: GPL-3.0-or-later
// RejectedSpotPainter: a box and a reason for every rejected lit area.
#include "rejectedspotpainter.h"

#include <QFont>
#include <QImage>
#include <QPainter>

QString RejectedSpotPainter::ReasonText(int reason)
{
    switch (reason) {
    case LASER_REJECT_TOO_LARGE:
        return tr("zu groß");
    case LASER_REJECT_TOO_LONG:
        return tr("zu lang");
    case LASER_REJECT_TOO_FAINT:
        return tr("zu schwach");
    case LASER_REJECT_NOT_ROUND:
        return tr("nicht rund");
    case LASER_REJECT_MOVING:
        return tr("bewegt");
    case LASER_REJECT_AT_EDGE:
        return tr("am Rand");
    default:
        return QString();
    }
}

void RejectedSpotPainter::Paint(QImage &image, const LaserRejectedSpot *spots, int count)
{
    if (count <= 0 || image.isNull())
        return;
    QPainter painter(&image);
    const QColor colour = QColor::fromRgba(BoxColour);
    painter.setPen(QPen(colour, 1));
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    const QRect picture = image.rect();
    for (int i = 0; i < count; ++i) {
        const LaserRejectedSpot &s = spots[i];
        // A box one pixel outside the area, so the area's own pixels stay visible.
        const QRect box = QRect(s.x - 1, s.y - 1, s.width + 2, s.height + 2).intersected(picture);
        if (box.isEmpty())
            continue;
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        const QString text = ReasonText(s.reason);
        if (text.isEmpty())
            continue;
        // Beside the box, moved inside the picture where the box touches its edge.
        const QRect wanted(box.right() + 3, box.top() - 2, 120, 14);
        QRect label = painter.boundingRect(wanted, Qt::AlignLeft | Qt::AlignTop, text);
        if (label.right() > picture.right())
            label.moveRight(box.left() - 3);
        if (label.top() < 0)
            label.moveTop(0);
        if (label.bottom() > picture.bottom())
            label.moveBottom(picture.bottom());
        painter.drawText(label, Qt::AlignLeft | Qt::AlignTop, text);
    }
}
