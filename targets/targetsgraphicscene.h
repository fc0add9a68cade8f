// SPDX-License-Identifier: GPL-3.0-or-later
// TargetsGraphicScene: the scene that shows targets and edits them with the mouse on the Targets page.
#pragma once

#include <QCursor>
#include <QGraphicsScene>
#include <QList>
#include <QPointF>
#include <QPolygonF>

class QAbstractGraphicsShapeItem;
class QGraphicsEllipseItem;
class QGraphicsPolygonItem;
class QGraphicsRectItem;
class MainWindow;

// The main window's scene: draws, selects, moves and reshapes targets, and turns Game-page clicks into shots.
class TargetsGraphicScene : public QGraphicsScene
{
    Q_OBJECT

public:
    // A plain scene (the camera settings preview) makes no editing items and ignores the mouse.
    TargetsGraphicScene(MainWindow *mainWindow, bool plain);

    void SelectItem(QAbstractGraphicsShapeItem *item);
    void SetSelectedItems(const QList<QAbstractGraphicsShapeItem *> &items);
    QRectF UpdateFrame();
    void UpdatePolygonHandles();
    void RemovePolygonHandles();
    void SetBoxHandlesVisible(bool visible);

    QAbstractGraphicsShapeItem *CopyItem(QAbstractGraphicsShapeItem *shape);
    void AddPolygonTarget(const QPolygonF &polygon);
    void AddEllipseTarget(const QRectF &rect);
    QGraphicsEllipseItem *AddHitMarker(QPointF pos, int radius);

    // Drops every reference to a shape that is about to be destroyed.
    void ForgetItem(QAbstractGraphicsShapeItem *item);

    void StyleTarget(QAbstractGraphicsShapeItem *item);
    void StyleStartButton(QAbstractGraphicsShapeItem *item);
    void StyleIgnoreArea(QAbstractGraphicsShapeItem *item);
    void StyleCorrectedArea(QAbstractGraphicsShapeItem *item);
    void StyleTargetHit(QAbstractGraphicsShapeItem *item);
    void StyleHitMarker(QAbstractGraphicsShapeItem *item);
    void ApplySelectedPen(QAbstractGraphicsShapeItem *item);

    // The editing items, for the view and for checks; none of them exist in a plain scene.
    QGraphicsRectItem *Frame() const { return frame; }
    QGraphicsRectItem *RubberBand() const { return band; }
    QAbstractGraphicsShapeItem *BoxCornerHandle(int i) const { return boxCornerHandles[i]; }
    QAbstractGraphicsShapeItem *BoxEdgeHandle(int i) const { return boxEdgeHandles[i]; }
    const QList<QAbstractGraphicsShapeItem *> &PolygonCornerHandles() const { return polygonCornerHandles; }
    const QList<QAbstractGraphicsShapeItem *> &PolygonEdgeHandles() const { return polygonEdgeHandles; }
    QGraphicsPolygonItem *DrawnPolygon() const { return drawnPolygon; }

    QAbstractGraphicsShapeItem *currentItem = nullptr; // made the selection by the last SelectItem
    QList<QAbstractGraphicsShapeItem *> selectedItems;
    bool plain = false;
    MainWindow *mainWindow = nullptr;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;

private:
    QAbstractGraphicsShapeItem *CreateHandle(QPointF pos, bool circular, const QColor &colour, const QCursor &cursor);
    QColor RoleColor(int index) const;
    QGraphicsPolygonItem *SelectedPolygon() const;
    bool CorrectedSelected() const;
    void MovePolygonHandlesTo(const QPolygonF &points);

    void PressRight(QGraphicsSceneMouseEvent *event);
    void PressLeft(QGraphicsSceneMouseEvent *event);
    void FinishDrawnPolygon();
    bool DragBoxHandle(QPointF delta);
    bool DragPolygonHandle(QPointF delta);
    void MoveSelection(QPointF delta);
    void FinishDrawnRect();
    void FinishDrawnEllipse();
    void FinishRubberBand();

    QGraphicsRectItem *frame = nullptr;
    QGraphicsRectItem *band = nullptr;
    QAbstractGraphicsShapeItem *boxCornerHandles[4] = {nullptr, nullptr, nullptr, nullptr}; // TL, TR, BR, BL
    QAbstractGraphicsShapeItem *boxEdgeHandles[4] = {nullptr, nullptr, nullptr, nullptr};   // top, right, bottom, left
    QList<QAbstractGraphicsShapeItem *> polygonCornerHandles;
    QList<QAbstractGraphicsShapeItem *> polygonEdgeHandles;

    QGraphicsPolygonItem *drawnPolygon = nullptr;
    QPolygonF drawnPoints;
    QGraphicsRectItem *drawnRect = nullptr;
    QGraphicsEllipseItem *drawnEllipse = nullptr;
    QPointF pressPoint;
    QPointF currentPoint;
    QPointF lastPoint;
    QGraphicsItem *dragItem = nullptr; // the shape, handle or frame under the last left press
};
