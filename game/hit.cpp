// SPDX-License-Identifier: GPL-3.0-or-later
// Hit markers and the program-wide list of live hits.
#include "hit.h"

#include "mainwindow.h"
#include "target.h"
#include "targetsgraphicscene.h"

#include <QGraphicsEllipseItem>

int hitSize = 5;
QList<Hit *> Hit::hitList;

Hit::Hit(TargetsGraphicScene *scene, Target *target, QPointF pos)
    : target(target), marker(nullptr), pos(pos), displayPos(-100, -100), scene(scene)
{
    marker = scene->AddHitMarker(pos, hitSize);
    hitList.append(this);
}

void Hit::RemoveAfter(int ms)
{
    connect(&removeTimer, SIGNAL(timeout()), this, SLOT(remove()));
    removeTimer.setSingleShot(true);
    removeTimer.start(ms);
}

void Hit::FlashTarget(int ms)
{
    if (!target)
        return;
    ShowTargetHit();
    connect(&targetBackTimer, SIGNAL(timeout()), this, SLOT(SetTargetBack()), Qt::UniqueConnection);
    targetBackTimer.setSingleShot(true);
    targetBackTimer.start(ms);
}

void Hit::MarkTargetHit()
{
    if (target)
        ShowTargetHit();
}

void Hit::ShowTargetHit()
{
    if (scene)
        scene->StyleTargetHit(target->item);
}

void Hit::SetTargetBack()
{
    if (target)
        RestoreTarget();
}

void Hit::RestoreTarget()
{
    if (!scene)
        return;
    scene->mainWindow->ColorTarget(target);
    // Only a target that is still selected gets its selection pen back.
    if (target->item == scene->currentItem && scene->selectedItems.contains(target->item))
        scene->ApplySelectedPen(target->item);
}

void Hit::remove()
{
    removeTimer.stop();
    if (targetBackTimer.isActive()) {
        targetBackTimer.stop();
        if (target)
            RestoreTarget();
    }
    if (!scene)
        marker = nullptr;
    if (marker) {
        if (marker->scene())
            marker->scene()->removeItem(marker);
        delete marker;
        marker = nullptr;
    }
    hitList.removeOne(this);
    // Later, not now: remove() may run inside the timeout of this Hit's own timer.
    deleteLater();
}

void Hit::ClearAllHits()
{
    while (!hitList.isEmpty())
        hitList.first()->remove();
}

void Hit::ForgetTarget(Target *t)
{
    for (Hit *hit : qAsConst(hitList))
        if (hit->target == t)
            hit->target = nullptr;
}

void Hit::ShowAtShotPositions()
{
    for (Hit *hit : qAsConst(hitList))
        if (hit->marker && hit->scene)
            hit->marker->setPos(hit->pos);
}

void Hit::ShowAtDisplayPositions()
{
    for (Hit *hit : qAsConst(hitList))
        if (hit->marker && hit->scene)
            hit->marker->setPos(hit->displayPos);
}
