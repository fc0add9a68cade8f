// SPDX-License-Identifier: GPL-3.0-or-later
// TargetsGraphicScene: construction, selection, the frame and handles, copies, new targets and styles.
#include "targetsgraphicscene.h"

#include "mainwindow.h"
#include "target.h"
#include "targetstyle.h"

#include <QBrush>
#include <QGraphicsEllipseItem>
#include <QGraphicsPolygonItem>
#include <QGraphicsRectItem>
#include <QPen>

namespace {
const QColor boxHandleColour(255, 170, 29);
const QColor polygonHandleColour(255, 0, 0);
}

TargetsGraphicScene::TargetsGraphicScene(MainWindow *mainWindow, bool plain)
    : QGraphicsScene(mainWindow), plain(plain), mainWindow(mainWindow)
{
    if (plain)
        return;

    frame = addRect(QRectF(), QPen(QBrush(boxHandleColour), 1, Qt::DotLine), Qt::NoBrush);
    frame->setZValue(998);
    frame->setCursor(Qt::OpenHandCursor);

    band = addRect(QRectF(-1, -1, 0, 0), QPen(QBrush(Qt::blue), 1, Qt::DotLine), Qt::NoBrush);
    band->setZValue(998);
    band->hide();

    const Qt::CursorShape cornerCursors[4] = {Qt::SizeFDiagCursor, Qt::SizeBDiagCursor, Qt::SizeFDiagCursor,
                                              Qt::SizeBDiagCursor};
    const Qt::CursorShape edgeCursors[4] = {Qt::SizeVerCursor, Qt::SizeHorCursor, Qt::SizeVerCursor,
                                            Qt::SizeHorCursor};
    for (int i = 0; i < 4; ++i) {
        boxCornerHandles[i] = CreateHandle(QPointF(), false, boxHandleColour, cornerCursors[i]);
        boxCornerHandles[i]->hide();
        boxEdgeHandles[i] = CreateHandle(QPointF(), true, boxHandleColour, edgeCursors[i]);
        boxEdgeHandles[i]->hide();
    }
}

QAbstractGraphicsShapeItem *TargetsGraphicScene::CreateHandle(QPointF pos, bool circular, const QColor &colour,
                                                              const QCursor &cursor)
{
    const QRectF square(-5, -5, 10, 10);
    QAbstractGraphicsShapeItem *handle = circular ? static_cast<QAbstractGraphicsShapeItem *>(new QGraphicsEllipseItem(square))
                                                  : static_cast<QAbstractGraphicsShapeItem *>(new QGraphicsRectItem(square));
    handle->setBrush(QBrush(colour));
    handle->setPen(QPen(QBrush(Qt::black), 1));
    handle->setZValue(999);
    handle->setCursor(cursor);
    addItem(handle);
    handle->setPos(pos);
    return handle;
}

void TargetsGraphicScene::SelectItem(QAbstractGraphicsShapeItem *item)
{
    QList<QAbstractGraphicsShapeItem *> items;
    if (item)
        items << item;
    SetSelectedItems(items);
    currentItem = item;
}

void TargetsGraphicScene::SetSelectedItems(const QList<QAbstractGraphicsShapeItem *> &items)
{
    selectedItems = items;
    for (QAbstractGraphicsShapeItem *item : items)
        ApplySelectedPen(item);
    RemovePolygonHandles();
    UpdatePolygonHandles();
    if (!selectedItems.isEmpty()) {
        UpdateFrame();
        SetBoxHandlesVisible(true);
    } else {
        SetBoxHandlesVisible(false);
    }
    if (CorrectedSelected()) {
        // The corrected ring target is edited corner by corner only.
        SetBoxHandlesVisible(false);
        for (QAbstractGraphicsShapeItem *item : selectedItems) {
            const Target *t = mainWindow->TargetOfItem(item);
            if (t && t->type == int(TargetType::CorrectedRings))
                item->setCursor(Qt::ArrowCursor);
        }
    }
    if (!plain)
        mainWindow->SelectTargetsByItems(selectedItems);
}

QRectF TargetsGraphicScene::UpdateFrame()
{
    QRectF box;
    for (int i = 0; i < selectedItems.size(); ++i) {
        const QRectF r = selectedItems.at(i)->sceneBoundingRect();
        box = i == 0 ? r : box.united(r);
    }
    // Leave room around a single polygon so the box handles do not cover its corner handles.
    if (SelectedPolygon())
        box.adjust(-10, -10, 10, 10);
    if (!frame)
        return box;
    frame->setPos(0, 0);
    frame->setRect(box);
    const QPointF corners[4] = {box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft()};
    const QPointF middles[4] = {QPointF(box.center().x(), box.top()), QPointF(box.right(), box.center().y()),
                                QPointF(box.center().x(), box.bottom()), QPointF(box.left(), box.center().y())};
    for (int i = 0; i < 4; ++i) {
        boxCornerHandles[i]->setPos(corners[i]);
        boxEdgeHandles[i]->setPos(middles[i]);
    }
    return box;
}

QGraphicsPolygonItem *TargetsGraphicScene::SelectedPolygon() const
{
    if (selectedItems.size() != 1)
        return nullptr;
    return qgraphicsitem_cast<QGraphicsPolygonItem *>(selectedItems.first());
}

bool TargetsGraphicScene::CorrectedSelected() const
{
    // Judged from the scene's own selection: the list may not have caught up with it yet.
    for (QAbstractGraphicsShapeItem *item : selectedItems) {
        const Target *t = mainWindow->TargetOfItem(item);
        if (t && t->type == int(TargetType::CorrectedRings))
            return true;
    }
    return false;
}

void TargetsGraphicScene::UpdatePolygonHandles()
{
    QGraphicsPolygonItem *polygonItem = SelectedPolygon();
    if (plain || !polygonItem)
        return;
    const QPolygonF points = polygonItem->mapToScene(polygonItem->polygon());
    const bool corrected = CorrectedSelected();
    for (int i = 0; i + 1 < points.size(); ++i) {
        polygonCornerHandles << CreateHandle(points.at(i), false, polygonHandleColour, Qt::SizeAllCursor);
        QAbstractGraphicsShapeItem *edge =
            CreateHandle((points.at(i) + points.at(i + 1)) / 2, true, polygonHandleColour, Qt::SizeAllCursor);
        if (corrected)
            edge->hide();
        polygonEdgeHandles << edge;
    }
}

void TargetsGraphicScene::MovePolygonHandlesTo(const QPolygonF &points)
{
    for (int i = 0; i < polygonCornerHandles.size() && i + 1 < points.size(); ++i) {
        polygonCornerHandles.at(i)->setPos(points.at(i));
        polygonEdgeHandles.at(i)->setPos((points.at(i) + points.at(i + 1)) / 2);
    }
}

void TargetsGraphicScene::RemovePolygonHandles()
{
    for (const QList<QAbstractGraphicsShapeItem *> *handles : {&polygonCornerHandles, &polygonEdgeHandles}) {
        for (QAbstractGraphicsShapeItem *handle : *handles) {
            if (dragItem == handle)
                dragItem = nullptr;
            removeItem(handle);
            delete handle;
        }
    }
    polygonCornerHandles.clear();
    polygonEdgeHandles.clear();
}

void TargetsGraphicScene::SetBoxHandlesVisible(bool visible)
{
    if (!frame)
        return;
    frame->setVisible(visible);
    for (int i = 0; i < 4; ++i) {
        boxCornerHandles[i]->setVisible(visible);
        boxEdgeHandles[i]->setVisible(visible);
    }
}

void TargetsGraphicScene::ForgetItem(QAbstractGraphicsShapeItem *item)
{
    if (!item)
        return;
    if (dragItem == item)
        dragItem = nullptr;
    if (currentItem == item)
        currentItem = nullptr;
    if (!selectedItems.contains(item))
        return;
    if (SelectedPolygon() == item)
        RemovePolygonHandles();
    selectedItems.removeAll(item);
    if (selectedItems.isEmpty())
        SetBoxHandlesVisible(false);
    else
        UpdateFrame();
}

QAbstractGraphicsShapeItem *TargetsGraphicScene::CopyItem(QAbstractGraphicsShapeItem *shape)
{
    QAbstractGraphicsShapeItem *copy = nullptr;
    if (auto *polygon = qgraphicsitem_cast<QGraphicsPolygonItem *>(shape))
        copy = new QGraphicsPolygonItem(polygon->polygon());
    else if (auto *ellipse = qgraphicsitem_cast<QGraphicsEllipseItem *>(shape))
        copy = new QGraphicsEllipseItem(ellipse->boundingRect()); // outline included: the copy is a little larger
    if (copy)
        addItem(copy);
    return copy;
}

void TargetsGraphicScene::AddPolygonTarget(const QPolygonF &polygon)
{
    auto *item = new QGraphicsPolygonItem(polygon);
    addItem(item);
    mainWindow->CreateTarget(item);
}

void TargetsGraphicScene::AddEllipseTarget(const QRectF &rect)
{
    auto *item = new QGraphicsEllipseItem(rect);
    StyleTarget(item);
    addItem(item);
    mainWindow->CreateTarget(item);
}

QGraphicsEllipseItem *TargetsGraphicScene::AddHitMarker(QPointF pos, int radius)
{
    auto *marker = new QGraphicsEllipseItem(-radius, -radius, 2 * radius, 2 * radius);
    marker->setZValue(910);
    StyleHitMarker(marker);
    addItem(marker);
    marker->setPos(pos);
    return marker;
}

QColor TargetsGraphicScene::RoleColor(int index) const
{
    // The colour is read at every call so edited colours show at the next restyle.
    return index < mainWindow->colors.size() ? mainWindow->colors.at(index) : QColor(Qt::white);
}

void TargetsGraphicScene::StyleHitMarker(QAbstractGraphicsShapeItem *item)
{
    ApplyShapeStyle(item, RoleColor(0), Qt::SolidPattern);
}

void TargetsGraphicScene::StyleTarget(QAbstractGraphicsShapeItem *item)
{
    ApplyShapeStyle(item, RoleColor(1), Qt::FDiagPattern);
}

void TargetsGraphicScene::StyleStartButton(QAbstractGraphicsShapeItem *item)
{
    ApplyShapeStyle(item, RoleColor(2), Qt::FDiagPattern);
}

void TargetsGraphicScene::StyleIgnoreArea(QAbstractGraphicsShapeItem *item)
{
    ApplyShapeStyle(item, RoleColor(3), Qt::FDiagPattern);
}

void TargetsGraphicScene::StyleTargetHit(QAbstractGraphicsShapeItem *item)
{
    ApplyShapeStyle(item, RoleColor(4), Qt::SolidPattern);
}

void TargetsGraphicScene::StyleCorrectedArea(QAbstractGraphicsShapeItem *item)
{
    ApplyShapeStyle(item, RoleColor(5), Qt::FDiagPattern);
}

void TargetsGraphicScene::ApplySelectedPen(QAbstractGraphicsShapeItem *item)
{
    if (item)
        item->setPen(SelectionPen());
}
