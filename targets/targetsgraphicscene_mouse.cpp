// SPDX-License-Identifier: GPL-3.0-or-later
// TargetsGraphicScene: the mouse — drawing, selecting, moving, resizing and corner editing; shots on the Game page.
#include "targetsgraphicscene.h"

#include "mainwindow.h"
#include "target.h"
#include "targetgeometry.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsPolygonItem>
#include <QGraphicsRectItem>
#include <QGraphicsSceneMouseEvent>
#include <QTransform>

namespace {
constexpr int cameraPage = 0;
constexpr int targetsPage = 1;
constexpr int gamePage = 2;

// Index of an item of any kind in a list of shapes; -1 when absent.
int IndexOf(const QList<QAbstractGraphicsShapeItem *> &list, const QGraphicsItem *item)
{
    for (int i = 0; i < list.size(); ++i)
        if (list.at(i) == item)
            return i;
    return -1;
}

bool IsShapeItem(const QGraphicsItem *item)
{
    return qgraphicsitem_cast<const QGraphicsRectItem *>(item) || qgraphicsitem_cast<const QGraphicsPolygonItem *>(item)
           || qgraphicsitem_cast<const QGraphicsEllipseItem *>(item);
}

// Writes an item's position into its points or rectangle so the item itself stays at (0, 0).
void BakePosition(QAbstractGraphicsShapeItem *item)
{
    if (auto *polygon = qgraphicsitem_cast<QGraphicsPolygonItem *>(item)) {
        const QPolygonF points = polygon->mapToScene(polygon->polygon());
        polygon->setPos(0, 0);
        polygon->setPolygon(points);
    } else if (auto *ellipse = qgraphicsitem_cast<QGraphicsEllipseItem *>(item)) {
        const QRectF rect = ellipse->mapRectToScene(ellipse->rect());
        ellipse->setPos(0, 0);
        ellipse->setRect(rect);
    }
}
}

void TargetsGraphicScene::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    if (plain || mainWindow->page == cameraPage)
        return;
    if (mainWindow->page == gamePage) {
        mainWindow->Shoot(event->scenePos(), QPointF(0, 0), false);
        return;
    }
    if (event->button() == Qt::RightButton)
        PressRight(event);
    else if (event->button() == Qt::LeftButton)
        PressLeft(event);
    else
        QGraphicsScene::mousePressEvent(event);
}

void TargetsGraphicScene::PressRight(QGraphicsSceneMouseEvent *event)
{
    QGraphicsItem *item = itemAt(event->scenePos(), QTransform());
    const int corner = IndexOf(polygonCornerHandles, item);
    if (corner < 0 || polygonCornerHandles.size() < 4) {
        if (drawnPolygon)
            FinishDrawnPolygon();
        else
            QGraphicsScene::mousePressEvent(event);
        return;
    }
    QGraphicsPolygonItem *polygonItem = SelectedPolygon();
    if (!polygonItem || CorrectedSelected())
        return;
    QPolygonF points = polygonItem->mapToScene(polygonItem->polygon());
    points.remove(corner);
    points.last() = points.first();
    polygonItem->setPolygon(points);
    RemovePolygonHandles();
    UpdatePolygonHandles();
}

void TargetsGraphicScene::FinishDrawnPolygon()
{
    // The floating point becomes the closing point.
    drawnPoints.last() = drawnPoints.first();
    QGraphicsPolygonItem *polygon = drawnPolygon;
    drawnPolygon = nullptr;
    if (drawnPoints.size() < 4) {
        removeItem(polygon);
        delete polygon;
    } else {
        polygon->setPolygon(drawnPoints);
        mainWindow->CreateTarget(polygon);
    }
    drawnPoints.clear();
}

void TargetsGraphicScene::PressLeft(QGraphicsSceneMouseEvent *event)
{
    const QPointF pos = event->scenePos();
    switch (mainWindow->addMode) {
    case AddMode::Polygon:
        if (drawnPolygon) {
            drawnPoints.last() = pos;
            drawnPoints << pos;
        } else {
            drawnPolygon = new QGraphicsPolygonItem;
            StyleTarget(drawnPolygon);
            drawnPolygon->setCursor(Qt::CrossCursor);
            drawnPoints.clear();
            drawnPoints << pos << pos;
            addItem(drawnPolygon);
        }
        drawnPolygon->setPolygon(drawnPoints);
        return;
    case AddMode::Rect:
    case AddMode::Circle: {
        // A press without its release leaves no stale shape behind.
        delete drawnRect;
        delete drawnEllipse;
        drawnRect = nullptr;
        drawnEllipse = nullptr;
        pressPoint = currentPoint = pos;
        QAbstractGraphicsShapeItem *shape;
        if (mainWindow->addMode == AddMode::Rect)
            shape = drawnRect = new QGraphicsRectItem(QRectF(pressPoint, QSizeF(0, 0)));
        else
            shape = drawnEllipse = new QGraphicsEllipseItem(QRectF(pressPoint, QSizeF(0, 0)));
        StyleTarget(shape);
        shape->setCursor(Qt::CrossCursor);
        addItem(shape);
        return;
    }
    default:
        break;
    }

    QGraphicsItem *item = itemAt(pos, QTransform());
    if (!IsShapeItem(item)) {
        pressPoint = currentPoint = pos;
        band->setRect(QRectF(pressPoint, QSizeF(0, 0)));
        band->show();
        SelectItem(nullptr);
        return;
    }
    auto *shape = static_cast<QAbstractGraphicsShapeItem *>(item);
    dragItem = shape;
    lastPoint = pos;
    // Handles, the frame, markers and the display drawing never change the selection.
    if (shape->zValue() >= 800)
        return;
    if (selectedItems.contains(shape))
        return;
    if (event->modifiers() & Qt::ControlModifier)
        SetSelectedItems(QList<QAbstractGraphicsShapeItem *>(selectedItems) << shape);
    else
        SelectItem(shape);
}

void TargetsGraphicScene::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    if (plain || mainWindow->page != targetsPage)
        return;
    const QPointF pos = event->scenePos();
    const QPointF delta = pos - lastPoint;
    lastPoint = pos;

    if (dragItem) {
        if (DragBoxHandle(delta) || DragPolygonHandle(delta))
            return;
        if (CorrectedSelected())
            return; // the corrected ring target cannot be moved as a whole
        if (dragItem == frame || IndexOf(selectedItems, dragItem) >= 0) {
            MoveSelection(delta);
            return;
        }
    }
    if (drawnPolygon) {
        drawnPoints.last() = pos;
        drawnPolygon->setPolygon(drawnPoints);
    }
    if (drawnRect || drawnEllipse) {
        currentPoint = pos;
        const QRectF rect(pressPoint, currentPoint); // may be mirrored while dragging
        if (drawnRect)
            drawnRect->setRect(rect);
        else
            drawnEllipse->setRect(rect);
    }
    if (band->isVisible())
        band->setRect(QRectF(pressPoint, pos));
    QGraphicsScene::mouseMoveEvent(event);
}

bool TargetsGraphicScene::DragBoxHandle(QPointF delta)
{
    int corner = -1;
    int edge = -1;
    for (int i = 0; i < 4; ++i) {
        if (dragItem == boxCornerHandles[i])
            corner = i;
        if (dragItem == boxEdgeHandles[i])
            edge = i;
    }
    if (corner < 0 && edge < 0)
        return false;

    QRectF newBox;
    if (corner >= 0) {
        BoxCorners corners;
        for (int i = 0; i < 4; ++i)
            corners[i] = boxCornerHandles[i]->pos();
        MoveBoxCorner(corners, corner, delta);
        QPolygonF positions;
        for (int i = 0; i < 4; ++i) {
            boxCornerHandles[i]->setPos(corners[i]);
            positions << corners[i];
        }
        newBox = positions.boundingRect();
    } else {
        boxEdgeHandles[edge]->moveBy(delta.x(), delta.y());
        QPolygonF positions;
        for (QAbstractGraphicsShapeItem *handle : boxEdgeHandles)
            positions << handle->pos();
        newBox = positions.boundingRect();
    }
    // Mapping onto the bounding box of the handles means dragging past the opposite side never mirrors.
    const QRectF oldBox = frame->rect();
    for (QAbstractGraphicsShapeItem *item : selectedItems) {
        if (auto *polygonItem = qgraphicsitem_cast<QGraphicsPolygonItem *>(item)) {
            QPolygonF points = polygonItem->mapToScene(polygonItem->polygon());
            for (QPointF &p : points)
                p = MapRect(p, oldBox, newBox);
            polygonItem->setPos(0, 0);
            polygonItem->setPolygon(points);
        } else if (auto *ellipse = qgraphicsitem_cast<QGraphicsEllipseItem *>(item)) {
            const QRectF rect = ellipse->mapRectToScene(ellipse->rect());
            QPolygonF mapped;
            for (const QPointF &p : BoxCornersOf(rect))
                mapped << MapRect(p, oldBox, newBox);
            ellipse->setPos(0, 0);
            ellipse->setRect(mapped.boundingRect());
        }
    }
    UpdateFrame();
    RemovePolygonHandles();
    UpdatePolygonHandles();
    return true;
}

bool TargetsGraphicScene::DragPolygonHandle(QPointF delta)
{
    const int corner = IndexOf(polygonCornerHandles, dragItem);
    const int edge = IndexOf(polygonEdgeHandles, dragItem);
    if (corner < 0 && edge < 0)
        return false;
    QGraphicsPolygonItem *polygonItem = SelectedPolygon();
    if (!polygonItem)
        return true;

    QPolygonF points = polygonItem->mapToScene(polygonItem->polygon());
    const int corners = points.size() - 1;
    if (corner >= 0) {
        points[corner] += delta;
        if (CorrectedSelected())
            points[corner] = ClampCornerToQuarter(corner, points[corner]);
    } else {
        points[edge] += delta;
        points[(edge + 1) % corners] += delta;
    }
    points.last() = points.first();
    polygonItem->setPos(0, 0);
    polygonItem->setPolygon(points);
    UpdateFrame();
    // Moved, not rebuilt: the dragged handle must survive.
    MovePolygonHandlesTo(points);
    return true;
}

void TargetsGraphicScene::MoveSelection(QPointF delta)
{
    for (QAbstractGraphicsShapeItem *item : selectedItems) {
        item->moveBy(delta.x(), delta.y());
        BakePosition(item);
    }
    UpdateFrame();
    RemovePolygonHandles();
    UpdatePolygonHandles();
}

void TargetsGraphicScene::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    if (plain || mainWindow->page != targetsPage)
        return;
    if (event->button() == Qt::LeftButton) {
        dragItem = nullptr;
        FinishDrawnRect();
        FinishDrawnEllipse();
        FinishRubberBand();
    }
    QGraphicsScene::mouseReleaseEvent(event);
}

void TargetsGraphicScene::FinishDrawnRect()
{
    if (!drawnRect)
        return;
    const QRectF rect = drawnRect->rect();
    removeItem(drawnRect);
    delete drawnRect;
    drawnRect = nullptr;
    if (qAbs(rect.width()) * qAbs(rect.height()) <= 100)
        return;
    // A rectangle target is a polygon from the start, so its corners can be edited later.
    auto *polygon = new QGraphicsPolygonItem(RectToPolygon(pressPoint, currentPoint));
    StyleTarget(polygon);
    addItem(polygon);
    mainWindow->CreateTarget(polygon);
}

void TargetsGraphicScene::FinishDrawnEllipse()
{
    if (!drawnEllipse)
        return;
    QGraphicsEllipseItem *ellipse = drawnEllipse;
    drawnEllipse = nullptr;
    const QRectF rect = ellipse->rect();
    if (qAbs(rect.width()) * qAbs(rect.height()) <= 100) {
        removeItem(ellipse);
        delete ellipse;
        return;
    }
    ellipse->setRect(rect.normalized());
    mainWindow->CreateTarget(ellipse);
}

void TargetsGraphicScene::FinishRubberBand()
{
    if (!band->isVisible())
        return;
    const QRectF area = band->rect().normalized();
    QList<QAbstractGraphicsShapeItem *> collected;
    for (QGraphicsItem *item : items(Qt::AscendingOrder)) {
        // Only target shapes: handles, markers and the display drawing lie at 800 and above.
        if (item->zValue() >= 800 || item == drawnPolygon || !item->isVisible())
            continue;
        if (!qgraphicsitem_cast<QGraphicsPolygonItem *>(item) && !qgraphicsitem_cast<QGraphicsEllipseItem *>(item))
            continue;
        if (area.contains(item->sceneBoundingRect()))
            collected << static_cast<QAbstractGraphicsShapeItem *>(item);
    }
    SetSelectedItems(collected);
    band->setRect(QRectF(-1, -1, 0, 0));
    band->hide();
}

void TargetsGraphicScene::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event)
{
    // The first press of a double click was the shot already: the second one only edits
    // polygon corners, so a quick double click on the Game page is one shot, not two.
    if (plain || mainWindow->page != targetsPage || CorrectedSelected())
        return;
    if (mainWindow->addMode != AddMode::None || event->button() != Qt::LeftButton)
        return;
    const int edge = IndexOf(polygonEdgeHandles, itemAt(event->scenePos(), QTransform()));
    QGraphicsPolygonItem *polygonItem = SelectedPolygon();
    if (edge < 0 || !polygonItem)
        return;
    QPolygonF points = polygonItem->mapToScene(polygonItem->polygon());
    points.insert(edge + 1, polygonEdgeHandles.at(edge)->pos());
    polygonItem->setPolygon(points);
    RemovePolygonHandles();
    UpdatePolygonHandles();
}
