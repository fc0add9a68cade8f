// SPDX-License-Identifier: GPL-3.0-or-later
// Synthetic mouse events sent straight to a graphics scene, so no window has to be shown.
#pragma once

#include <QCoreApplication>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>

namespace SceneMouse {

inline void Send(QGraphicsScene *scene, QEvent::Type type, QPointF pos, Qt::MouseButton button,
                 Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QGraphicsSceneMouseEvent event(type);
    event.setScenePos(pos);
    event.setScreenPos(pos.toPoint());
    event.setLastScenePos(pos);
    event.setButton(button);
    event.setButtons(buttons);
    event.setModifiers(modifiers);
    if (button != Qt::NoButton)
        event.setButtonDownScenePos(button, pos);
    QCoreApplication::sendEvent(scene, &event);
}

inline void Press(QGraphicsScene *scene, QPointF pos, Qt::MouseButton button = Qt::LeftButton,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    Send(scene, QEvent::GraphicsSceneMousePress, pos, button, button, modifiers);
}

inline void Move(QGraphicsScene *scene, QPointF pos, Qt::MouseButtons buttons = Qt::LeftButton)
{
    Send(scene, QEvent::GraphicsSceneMouseMove, pos, Qt::NoButton, buttons);
}

inline void Release(QGraphicsScene *scene, QPointF pos, Qt::MouseButton button = Qt::LeftButton)
{
    Send(scene, QEvent::GraphicsSceneMouseRelease, pos, button, Qt::NoButton);
}

inline void Click(QGraphicsScene *scene, QPointF pos, Qt::MouseButton button = Qt::LeftButton,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    Press(scene, pos, button, modifiers);
    Release(scene, pos, button);
}

// What a real double click delivers: press, release, double click, release.
inline void DoubleClick(QGraphicsScene *scene, QPointF pos)
{
    Click(scene, pos);
    Send(scene, QEvent::GraphicsSceneMouseDoubleClick, pos, Qt::LeftButton, Qt::LeftButton);
    Release(scene, pos);
}

// A left drag in a few steps, as a hand would move.
inline void Drag(QGraphicsScene *scene, QPointF from, QPointF to, int steps = 4,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    Press(scene, from, Qt::LeftButton, modifiers);
    for (int i = 1; i <= steps; ++i)
        Move(scene, from + (to - from) * i / steps);
    Release(scene, to);
}

} // namespace SceneMouse
