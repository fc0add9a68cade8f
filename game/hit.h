// SPDX-License-Identifier: GPL-3.0-or-later
// Hit: the marker of one shot, with the timers that end it and the flash of the target it hit.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QPointF>
#include <QTimer>

class QGraphicsEllipseItem;
class TargetsGraphicScene;
struct Target;

// Radius of hit markers in scene units and the ring-line allowance of the drawn ring target.
extern int hitSize;

class Hit : public QObject
{
    Q_OBJECT

public:
    Hit(TargetsGraphicScene *scene, Target *target, QPointF pos);

    void RemoveAfter(int ms);
    void FlashTarget(int ms);
    void MarkTargetHit();

    static void ClearAllHits();
    static void ForgetTarget(Target *t);
    static void ShowAtShotPositions();
    static void ShowAtDisplayPositions();
    static const QList<Hit *> &All() { return hitList; }

    Target *target;
    QGraphicsEllipseItem *marker;
    QPointF pos;
    QPointF displayPos;
    QTimer removeTimer;
    QTimer targetBackTimer;

private slots:
    void remove();
    void SetTargetBack();

private:
    ~Hit() override = default; // a Hit ends only through remove()
    void ShowTargetHit();
    void RestoreTarget();

    // The scene owns the marker: once the scene is gone, so is the marker.
    QPointer<TargetsGraphicScene> scene;
    static QList<Hit *> hitList;
};
