// Synthetic mouse events sent straight to a graphics scene, so no window is needed.
#pragma once

#include <QApplication>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>

namespace SceneEvents {

inline void Send(QGraphicsScene *scene, QEvent::Type type, QPointF pos, Qt::MouseButton button,
                 Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QGraphicsSceneMouseEvent event(type);
    event.setScenePos(pos);
    event.setPos(pos);
    event.setButton(button);
    event.setButtons(buttons);
    event.setModifiers(modifiers);
    event.setButtonDownScenePos(button, pos);
    QApplication::sendEvent(scene, &event);
}

inline void Press(QGraphicsScene *scene, QPointF pos, Qt::MouseButton button = Qt::LeftButton)
{
    Send(scene, QEvent::GraphicsSceneMousePress, pos, button, button);
}

inline void Release(QGraphicsScene *scene, QPointF pos, Qt::MouseButton button = Qt::LeftButton)
{
    Send(scene, QEvent::GraphicsSceneMouseRelease, pos, button, Qt::NoButton);
}

inline void Click(QGraphicsScene *scene, QPointF pos, Qt::MouseButton button = Qt::LeftButton)
{
    Press(scene, pos, button);
    Release(scene, pos, button);
}

} // namespace SceneEvents
