// Tests of the target editing scene, driven by synthetic mouse events on the real main window's scene.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "../common/scenemouse.h"
#include "target.h"
#include "targetgeometry.h"
#include "targetstyle.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsPolygonItem>
#include <QGraphicsRectItem>
#include <QtTest>

using namespace SceneMouse;

static QPolygonF Poly(std::initializer_list<QPointF> points)
{
    return QPolygonF(QVector<QPointF>(points));
}

class TestTargetsGraphicScene : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void drawRectThreshold_data();
    void drawRectThreshold();
    void drawEllipseThreshold_data();
    void drawEllipseThreshold();
    void drawPolygon_data();
    void drawPolygon();
    void removeCorner_data();
    void removeCorner();
    void addCornerByDoubleClick();
    void clickAndCtrlClick();
    void pressInsideFrameKeepsSelection();
    void rubberBand_data();
    void rubberBand();
    void moveMixedSelection_data();
    void moveMixedSelection();
    void resizeMixedSelection_data();
    void resizeMixedSelection();
    void boxCornerCrossingDoesNotMirror();
    void dragPolygonCornerAndSide();
    void correctedTargetRules();
    void otherPagesDoNotEdit_data();
    void otherPagesDoNotEdit();
    void plainSceneIgnoresMouse();
    void deleteWithMarkerOnTarget();

private:
    Target *DrawRect(QPointF from, QPointF to);
    Target *DrawEllipse(QPointF from, QPointF to);
    void DrawPolygon(const QPolygonF &corners);
    QPolygonF Points(Target *t) const;
    int ShapeCount() const;

    MainWindow *window = nullptr;
    TargetsGraphicScene *scene = nullptr;
};

void TestTargetsGraphicScene::init()
{
    window = new MainWindow;
    QVERIFY2(window->IsConfigured(), "the camera library beside the test was not loaded");
    window->SetPage(1);
    scene = window->scene;
}

void TestTargetsGraphicScene::cleanup()
{
    delete window;
    window = nullptr;
}

Target *TestTargetsGraphicScene::DrawRect(QPointF from, QPointF to)
{
    const int before = window->Targets().size();
    window->ui->pushButtonAddRectTarget->click();
    Drag(scene, from, to);
    return window->Targets().size() > before ? window->Targets().last() : nullptr;
}

Target *TestTargetsGraphicScene::DrawEllipse(QPointF from, QPointF to)
{
    const int before = window->Targets().size();
    window->ui->pushButtonAddCircleTarget->click();
    Drag(scene, from, to);
    return window->Targets().size() > before ? window->Targets().last() : nullptr;
}

void TestTargetsGraphicScene::DrawPolygon(const QPolygonF &corners)
{
    window->ui->pushButtonAddPolygonTarget->click();
    for (const QPointF &p : corners) {
        Move(scene, p, Qt::NoButton);
        Click(scene, p);
    }
    Click(scene, corners.last(), Qt::RightButton);
}

QPolygonF TestTargetsGraphicScene::Points(Target *t) const
{
    auto *polygon = qgraphicsitem_cast<QGraphicsPolygonItem *>(t->item);
    return polygon ? polygon->mapToScene(polygon->polygon()) : QPolygonF();
}

int TestTargetsGraphicScene::ShapeCount() const
{
    // Shapes below the editing items and above the camera pictures: targets and anything half-drawn.
    int n = 0;
    for (QGraphicsItem *item : scene->items())
        if (item->zValue() < 800 && item->zValue() > -1000)
            ++n;
    return n;
}

void TestTargetsGraphicScene::drawRectThreshold_data()
{
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<bool>("made");

    QTest::newRow("click") << QPointF(100, 100) << QPointF(100, 100) << false;
    QTest::newRow("10 x 10 is area 100") << QPointF(100, 100) << QPointF(110, 110) << false;
    QTest::newRow("10 x 11") << QPointF(100, 100) << QPointF(110, 111) << true;
    QTest::newRow("11 x 10 dragged up and left") << QPointF(111, 110) << QPointF(100, 100) << true;
    QTest::newRow("flat 200 x 0") << QPointF(100, 100) << QPointF(300, 100) << false;
    QTest::newRow("large") << QPointF(50, 60) << QPointF(250, 160) << true;
}

void TestTargetsGraphicScene::drawRectThreshold()
{
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(bool, made);
    Target *t = DrawRect(from, to);
    QCOMPARE(t != nullptr, made);
    // The dragged rectangle item never stays behind.
    QCOMPARE(ShapeCount(), made ? 1 : 0);
    if (!made) {
        QCOMPARE(window->addMode, int(AddMode::Rect)); // still drawing rectangles
        return;
    }
    QCOMPARE(window->addMode, int(AddMode::None));
    QVERIFY(!window->ui->pushButtonAddRectTarget->isChecked());
    QCOMPARE(t->item->pos(), QPointF(0, 0));
    QCOMPARE(Points(t), RectToPolygon(from, to));
    QCOMPARE(t->item->brush().style(), Qt::FDiagPattern);
    QCOMPARE(window->SelectedTarget(), t);
}

void TestTargetsGraphicScene::drawEllipseThreshold_data()
{
    drawRectThreshold_data();
}

void TestTargetsGraphicScene::drawEllipseThreshold()
{
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(bool, made);
    Target *t = DrawEllipse(from, to);
    QCOMPARE(t != nullptr, made);
    QCOMPARE(ShapeCount(), made ? 1 : 0);
    if (!made)
        return;
    auto *ellipse = qgraphicsitem_cast<QGraphicsEllipseItem *>(t->item);
    QVERIFY(ellipse);
    QCOMPARE(ellipse->rect(), QRectF(from, to).normalized());
    QCOMPARE(ellipse->pos(), QPointF(0, 0));
}

void TestTargetsGraphicScene::drawPolygon_data()
{
    QTest::addColumn<QPolygonF>("corners");
    QTest::addColumn<bool>("made");
    QTest::newRow("two clicks") << Poly({{100, 100}, {200, 100}}) << false;
    QTest::newRow("triangle") << Poly({{100, 100}, {200, 100}, {150, 200}}) << true;
    QTest::newRow("pentagon") << Poly({{100, 100}, {200, 90}, {250, 150}, {180, 220}, {90, 180}}) << true;
}

void TestTargetsGraphicScene::drawPolygon()
{
    QFETCH(QPolygonF, corners);
    QFETCH(bool, made);

    // While drawing, the floating point follows the pointer.
    window->ui->pushButtonAddPolygonTarget->click();
    Click(scene, corners.first());
    Move(scene, QPointF(333, 222), Qt::NoButton);
    QVERIFY(scene->DrawnPolygon());
    QCOMPARE(scene->DrawnPolygon()->polygon().last(), QPointF(333, 222));
    for (int i = 1; i < corners.size(); ++i) {
        Move(scene, corners.at(i), Qt::NoButton);
        Click(scene, corners.at(i));
    }
    Click(scene, corners.last(), Qt::RightButton);

    QCOMPARE(scene->DrawnPolygon(), nullptr);
    QCOMPARE(window->Targets().size(), made ? 1 : 0);
    QCOMPARE(ShapeCount(), made ? 1 : 0);
    if (!made)
        return;
    QPolygonF closed = corners;
    closed << corners.first();
    QCOMPARE(Points(window->Targets().first()), closed);
    // Selected at once, with a corner handle on every corner.
    QCOMPARE(scene->PolygonCornerHandles().size(), corners.size());
    QCOMPARE(scene->PolygonEdgeHandles().size(), corners.size());
}

void TestTargetsGraphicScene::removeCorner_data()
{
    QTest::addColumn<QPolygonF>("corners");
    QTest::addColumn<int>("corner");
    QTest::addColumn<QPolygonF>("expected");

    const QPolygonF triangle({{100, 100}, {200, 100}, {150, 200}});
    const QPolygonF quad({{100, 100}, {200, 100}, {200, 200}, {100, 200}});
    QTest::newRow("triangle keeps its corners") << triangle << 1 << Poly({{100, 100}, {200, 100}, {150, 200}, {100, 100}});
    QTest::newRow("quad loses corner 2") << quad << 2 << Poly({{100, 100}, {200, 100}, {100, 200}, {100, 100}});
    QTest::newRow("quad loses the first corner, stays closed")
        << quad << 0 << Poly({{200, 100}, {200, 200}, {100, 200}, {200, 100}});
}

void TestTargetsGraphicScene::removeCorner()
{
    QFETCH(QPolygonF, corners);
    QFETCH(int, corner);
    QFETCH(QPolygonF, expected);
    DrawPolygon(corners);
    Target *t = window->Targets().first();
    Click(scene, corners.at(corner), Qt::RightButton);
    QCOMPARE(Points(t), expected);
    QCOMPARE(scene->PolygonCornerHandles().size(), expected.size() - 1);
    QCOMPARE(scene->PolygonCornerHandles().first()->pos(), expected.first());
}

void TestTargetsGraphicScene::addCornerByDoubleClick()
{
    DrawPolygon(Poly({{100, 100}, {200, 100}, {200, 200}, {100, 200}}));
    Target *t = window->Targets().first();
    // The middle of the right side.
    DoubleClick(scene, QPointF(200, 150));
    QCOMPARE(Points(t), Poly({{100, 100}, {200, 100}, {200, 150}, {200, 200}, {100, 200}, {100, 100}}));
    QCOMPARE(scene->PolygonCornerHandles().size(), 5);
    // The new corner can be dragged out at once.
    Drag(scene, QPointF(200, 150), QPointF(240, 150));
    QCOMPARE(Points(t).at(2), QPointF(240, 150));
}

void TestTargetsGraphicScene::clickAndCtrlClick()
{
    Target *a = DrawRect({20, 20}, {80, 80});
    Target *b = DrawEllipse({200, 20}, {260, 80});
    Target *c = DrawRect({400, 20}, {460, 80});

    Click(scene, {50, 50});
    QCOMPARE(window->SelectedTarget(), a);
    QCOMPARE(scene->selectedItems, QList<QAbstractGraphicsShapeItem *>({a->item}));
    QCOMPARE(scene->currentItem, a->item);
    QCOMPARE(a->item->pen(), SelectionPen());
    QVERIFY(scene->Frame()->isVisible());

    Click(scene, {230, 50}, Qt::LeftButton, Qt::ControlModifier);
    QCOMPARE(window->ui->listWidgetTargets->selectedItems().size(), 2);
    QCOMPARE(scene->selectedItems.size(), 2);
    QVERIFY(b->item->pen() == SelectionPen() && a->item->pen() == SelectionPen());
    QVERIFY(scene->Frame()->rect().contains(b->item->sceneBoundingRect()));

    // Ctrl+click on a selected shape does not remove it.
    Click(scene, {230, 50}, Qt::LeftButton, Qt::ControlModifier);
    QCOMPARE(scene->selectedItems.size(), 2);

    // A plain click on another shape selects it alone; the others get their colours back.
    Click(scene, {430, 50});
    QCOMPARE(window->SelectedTarget(), c);
    QCOMPARE(a->item->pen().color(), window->colors.at(1));
    QCOMPARE(b->item->pen().style(), Qt::SolidLine);

    // A click on empty space selects nothing.
    Click(scene, {300, 300});
    QVERIFY(window->ui->listWidgetTargets->selectedItems().isEmpty());
    QVERIFY(scene->selectedItems.isEmpty());
    QVERIFY(!scene->Frame()->isVisible());
    QVERIFY(!scene->BoxCornerHandle(0)->isVisible());
}

void TestTargetsGraphicScene::pressInsideFrameKeepsSelection()
{
    Target *a = DrawRect({20, 20}, {100, 40});
    Target *b = DrawRect({20, 200}, {100, 220});
    Target *inside = DrawEllipse({50, 100}, {70, 120}); // lies between them, inside their frame
    Drag(scene, {10, 10}, {110, 230}); // rubber band over all three
    QCOMPARE(scene->selectedItems.size(), 3);
    Click(scene, {60, 110}, Qt::LeftButton, Qt::ControlModifier);
    QCOMPARE(scene->selectedItems.size(), 3);

    Click(scene, {300, 300});
    Click(scene, {60, 30});
    Click(scene, {60, 210}, Qt::LeftButton, Qt::ControlModifier);
    QCOMPARE(scene->selectedItems.size(), 2);
    // The ellipse in between lies under the frame: pressing there drags the selection, it is not picked.
    const QPolygonF before = Points(a);
    Drag(scene, {60, 110}, {80, 120});
    QCOMPARE(scene->selectedItems.size(), 2);
    QVERIFY(!scene->selectedItems.contains(inside->item));
    QCOMPARE(Points(a), before.translated(20, 10));
    QCOMPARE(Points(b).first(), QPointF(40, 210));
}

void TestTargetsGraphicScene::rubberBand_data()
{
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    QTest::newRow("top-left to bottom-right") << QPointF(10, 10) << QPointF(270, 150);
    QTest::newRow("bottom-right to top-left") << QPointF(270, 150) << QPointF(10, 10);
    QTest::newRow("bottom-left to top-right") << QPointF(10, 150) << QPointF(270, 10);
}

void TestTargetsGraphicScene::rubberBand()
{
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    Target *a = DrawRect({20, 20}, {80, 80});
    Target *b = DrawEllipse({150, 30}, {250, 100});
    Target *partly = DrawRect({280, 100}, {400, 200});
    Click(scene, {500, 400}); // nothing selected

    Press(scene, from);
    Move(scene, (from + to) / 2);
    QVERIFY(scene->RubberBand()->isVisible());
    Move(scene, to);
    QCOMPARE(scene->RubberBand()->rect().normalized(), QRectF(from, to).normalized());
    Release(scene, to);

    QVERIFY(!scene->RubberBand()->isVisible());
    QCOMPARE(scene->selectedItems.size(), 2);
    QVERIFY(scene->selectedItems.contains(a->item));
    QVERIFY(scene->selectedItems.contains(b->item));
    QVERIFY(!scene->selectedItems.contains(partly->item));
    QCOMPARE(window->ui->listWidgetTargets->selectedItems().size(), 2);
    QVERIFY(scene->Frame()->isVisible());
    // Several shapes: no polygon handles.
    QVERIFY(scene->PolygonCornerHandles().isEmpty());
}

void TestTargetsGraphicScene::moveMixedSelection_data()
{
    QTest::addColumn<QPointF>("grab");
    QTest::newRow("by a shape") << QPointF(50, 50);
    QTest::newRow("by empty frame area") << QPointF(120, 90);
    QTest::newRow("by a shape under the frame") << QPointF(200, 60);
}

void TestTargetsGraphicScene::moveMixedSelection()
{
    QFETCH(QPointF, grab);
    Target *rect = DrawRect({20, 20}, {80, 80});
    Target *ellipse = DrawEllipse({150, 30}, {250, 100});
    Drag(scene, {10, 10}, {300, 150});
    QCOMPARE(scene->selectedItems.size(), 2);
    const QPolygonF points = Points(rect);
    const QRectF ellipseRect = qgraphicsitem_cast<QGraphicsEllipseItem *>(ellipse->item)->rect();
    const QRectF frame = scene->Frame()->rect();

    Drag(scene, grab, grab + QPointF(35, -12), 5);

    // Moved in their points and rectangle; the items themselves stay at (0, 0).
    QCOMPARE(rect->item->pos(), QPointF(0, 0));
    QCOMPARE(ellipse->item->pos(), QPointF(0, 0));
    QCOMPARE(Points(rect), points.translated(35, -12));
    QCOMPARE(qgraphicsitem_cast<QGraphicsEllipseItem *>(ellipse->item)->rect(), ellipseRect.translated(35, -12));
    QCOMPARE(scene->Frame()->rect(), frame.translated(35, -12));
    QCOMPARE(scene->BoxCornerHandle(2)->pos(), frame.translated(35, -12).bottomRight());
    QCOMPARE(scene->selectedItems.size(), 2);
    // Hit tests follow the move.
    QCOMPARE(window->TargetAt(QPointF(22, 23) + QPointF(35, -12)), rect);
}

void TestTargetsGraphicScene::resizeMixedSelection_data()
{
    QTest::addColumn<bool>("corner");
    QTest::addColumn<int>("handle");
    QTest::addColumn<QPointF>("delta");
    QTest::newRow("bottom-right corner") << true << 2 << QPointF(60, 40);
    QTest::newRow("top-left corner inward") << true << 0 << QPointF(30, 20);
    QTest::newRow("top-right corner") << true << 1 << QPointF(40, -10);
    QTest::newRow("right side") << false << 1 << QPointF(50, 0);
    QTest::newRow("bottom side") << false << 2 << QPointF(0, 35);
}

void TestTargetsGraphicScene::resizeMixedSelection()
{
    QFETCH(bool, corner);
    QFETCH(int, handle);
    QFETCH(QPointF, delta);
    Target *rect = DrawRect({20, 20}, {80, 80});
    Target *ellipse = DrawEllipse({150, 30}, {250, 100});
    Drag(scene, {10, 10}, {300, 150});
    auto *ellipseItem = qgraphicsitem_cast<QGraphicsEllipseItem *>(ellipse->item);
    const QPolygonF points = Points(rect);
    const QRectF ellipseRect = ellipseItem->rect();
    const QRectF oldBox = scene->Frame()->rect();

    QRectF newBox = oldBox;
    if (corner) {
        BoxCorners corners = BoxCornersOf(oldBox);
        MoveBoxCorner(corners, handle, delta);
        newBox = Poly({corners[0], corners[1], corners[2], corners[3]}).boundingRect();
    } else if (handle == 1) {
        newBox.setRight(newBox.right() + delta.x());
    } else {
        newBox.setBottom(newBox.bottom() + delta.y());
    }

    const QPointF start = (corner ? scene->BoxCornerHandle(handle) : scene->BoxEdgeHandle(handle))->pos();
    // One step: every move maps from the frame the last one left, so only a single step is exact.
    Drag(scene, start, start + delta, 1);

    QPolygonF expectedPoints;
    for (const QPointF &p : points)
        expectedPoints << MapRect(p, oldBox, newBox);
    const QPolygonF gotPoints = Points(rect);
    QCOMPARE(gotPoints.size(), expectedPoints.size());
    for (int i = 0; i < gotPoints.size(); ++i) {
        QVERIFY2(qAbs(gotPoints[i].x() - expectedPoints[i].x()) < 1e-6 && qAbs(gotPoints[i].y() - expectedPoints[i].y()) < 1e-6,
                 qPrintable(QStringLiteral("point %1").arg(i)));
    }
    const QRectF expectedEllipse(MapRect(ellipseRect.topLeft(), oldBox, newBox),
                                 MapRect(ellipseRect.bottomRight(), oldBox, newBox));
    QVERIFY(qAbs(ellipseItem->rect().left() - expectedEllipse.left()) < 1e-6);
    QVERIFY(qAbs(ellipseItem->rect().right() - expectedEllipse.right()) < 1e-6);
    QVERIFY(qAbs(ellipseItem->rect().top() - expectedEllipse.top()) < 1e-6);
    QVERIFY(qAbs(ellipseItem->rect().bottom() - expectedEllipse.bottom()) < 1e-6);
    QCOMPARE(rect->item->pos(), QPointF(0, 0));
    QCOMPARE(ellipse->item->pos(), QPointF(0, 0));
    QCOMPARE(scene->selectedItems.size(), 2);
}

void TestTargetsGraphicScene::boxCornerCrossingDoesNotMirror()
{
    Target *t = DrawRect({100, 100}, {200, 160});
    const QPointF topLeft = scene->BoxCornerHandle(0)->pos();
    // Drag the top-left handle far past the bottom-right one.
    Drag(scene, topLeft, topLeft + QPointF(250, 200), 10);
    const QPolygonF points = Points(t);
    const QRectF bounds = points.boundingRect();
    QVERIFY(bounds.width() > 0 && bounds.height() > 0);
    // Point 0 was the top-left corner and still is: nothing was mirrored.
    QCOMPARE(points.first(), bounds.topLeft());
    QCOMPARE(points.at(2), bounds.bottomRight());
    // The handles are back in their corner order around the new frame.
    const QRectF frame = scene->Frame()->rect();
    QCOMPARE(scene->BoxCornerHandle(0)->pos(), frame.topLeft());
    QCOMPARE(scene->BoxCornerHandle(1)->pos(), frame.topRight());
    QCOMPARE(scene->BoxCornerHandle(2)->pos(), frame.bottomRight());
    QCOMPARE(scene->BoxCornerHandle(3)->pos(), frame.bottomLeft());
    QCOMPARE(scene->BoxEdgeHandle(0)->pos(), QPointF(frame.center().x(), frame.top()));
    QVERIFY(frame.contains(bounds));
}

void TestTargetsGraphicScene::dragPolygonCornerAndSide()
{
    DrawPolygon(Poly({{100, 100}, {200, 100}, {150, 200}}));
    Target *t = window->Targets().first();
    // The frame of a single polygon leaves room around its corner handles.
    QCOMPARE(scene->Frame()->rect(), t->item->sceneBoundingRect().adjusted(-10, -10, 10, 10));

    Drag(scene, {200, 100}, {230, 80});
    QCOMPARE(Points(t), Poly({{100, 100}, {230, 80}, {150, 200}, {100, 100}}));
    QCOMPARE(scene->PolygonCornerHandles().at(1)->pos(), QPointF(230, 80));
    QCOMPARE(scene->PolygonEdgeHandles().at(0)->pos(), QPointF(165, 90));

    // The first corner moves the closing point too.
    Drag(scene, {100, 100}, {90, 110});
    QCOMPARE(Points(t).first(), QPointF(90, 110));
    QCOMPARE(Points(t).last(), QPointF(90, 110));

    // The side from the last corner back to the first moves both ends.
    const QPointF side = scene->PolygonEdgeHandles().at(2)->pos();
    Drag(scene, side, side + QPointF(-20, 0));
    QCOMPARE(Points(t), Poly({{70, 110}, {230, 80}, {130, 200}, {70, 110}}));
    QCOMPARE(t->item->pos(), QPointF(0, 0));
    QCOMPARE(scene->Frame()->rect(), t->item->sceneBoundingRect().adjusted(-10, -10, 10, 10));
}

void TestTargetsGraphicScene::correctedTargetRules()
{
    Target *other = DrawRect({20, 400}, {60, 440});
    scene->AddPolygonTarget(Poly({{128, 96}, {512, 96}, {512, 384}, {128, 384}, {128, 96}}));
    Target *t = window->SelectedTarget();
    QVERIFY(t);
    t->name = QStringLiteral("Entzerrte Ziele");
    t->score = 0;
    t->type = int(TargetType::CorrectedRings);
    window->UpdateTargetText(t);
    Click(scene, {600, 20});
    Click(scene, {300, 200});
    QCOMPARE(window->SelectedTarget(), t);

    // Corner handles only: no frame, no box handles, hidden side handles, arrow cursor.
    QVERIFY(!scene->Frame()->isVisible());
    for (int i = 0; i < 4; ++i)
        QVERIFY(!scene->BoxCornerHandle(i)->isVisible() && !scene->BoxEdgeHandle(i)->isVisible());
    QCOMPARE(scene->PolygonCornerHandles().size(), 4);
    for (QAbstractGraphicsShapeItem *edge : scene->PolygonEdgeHandles())
        QVERIFY(!edge->isVisible());
    QCOMPARE(t->item->cursor().shape(), Qt::ArrowCursor);

    // Corners stop at the middle of the picture and at its edges.
    Drag(scene, {512, 96}, {250, 120});
    QCOMPARE(Points(t).at(1), QPointF(320, 120));
    Drag(scene, {128, 96}, {500, 400});
    QCOMPARE(Points(t).at(0), QPointF(320, 240));
    QCOMPARE(Points(t).last(), QPointF(320, 240));
    Drag(scene, {512, 384}, {700, 520});
    QCOMPARE(Points(t).at(2), QPointF(640, 480));
    const QPolygonF shaped = Points(t);

    // No move as a whole, no corner removed, no corner added.
    Drag(scene, {300, 300}, {340, 330});
    QCOMPARE(Points(t), shaped);
    Click(scene, {128, 384}, Qt::RightButton);
    QCOMPARE(Points(t), shaped);
    DoubleClick(scene, (shaped.at(2) + shaped.at(3)) / 2);
    QCOMPARE(Points(t), shaped);

    // Even within a larger selection it is not moved.
    Drag(scene, {5, 5}, {660, 500});
    QCOMPARE(scene->selectedItems.size(), 2);
    QVERIFY(scene->selectedItems.contains(other->item));
    QVERIFY(!scene->Frame()->isVisible());
    Drag(scene, {40, 420}, {80, 440});
    QCOMPARE(Points(t), shaped);
}

void TestTargetsGraphicScene::otherPagesDoNotEdit_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("camera") << 0;
    QTest::newRow("game") << 2;
}

void TestTargetsGraphicScene::otherPagesDoNotEdit()
{
    QFETCH(int, page);
    Target *t = DrawRect({100, 100}, {200, 200});
    const QPolygonF points = Points(t);
    window->SetPage(page);
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton})
        Click(scene, {150, 150}, button);
    QVERIFY(window->ui->listWidgetTargets->selectedItems().isEmpty());
    QVERIFY(scene->selectedItems.isEmpty());
    QVERIFY(!scene->Frame()->isVisible());
    // No rubber band, no moving, no drawing.
    Drag(scene, {150, 150}, {250, 250});
    Drag(scene, {300, 300}, {400, 400});
    QVERIFY(!scene->RubberBand()->isVisible());
    QCOMPARE(Points(t), points);
    window->addMode = AddMode::Rect;
    Drag(scene, {300, 300}, {400, 400});
    window->addMode = AddMode::Polygon;
    Click(scene, {300, 300});
    QCOMPARE(scene->DrawnPolygon(), nullptr);
    QCOMPARE(window->Targets().size(), 1);
    QCOMPARE(ShapeCount(), 1);
}

void TestTargetsGraphicScene::plainSceneIgnoresMouse()
{
    TargetsGraphicScene plain(window, true);
    QVERIFY(plain.plain);
    QCOMPARE(plain.mainWindow, window);
    QCOMPARE(plain.Frame(), nullptr);
    QVERIFY(plain.items().isEmpty());
    window->addMode = AddMode::Rect;
    Drag(&plain, {10, 10}, {100, 100});
    DoubleClick(&plain, {50, 50});
    QVERIFY(plain.items().isEmpty());
    QCOMPARE(window->Targets().size(), 0);

    // Markers work there too, in the colour the main window has now.
    window->colors[0] = QColor(1, 2, 3);
    QGraphicsEllipseItem *marker = plain.AddHitMarker(QPointF(100, 50), 5);
    QCOMPARE(marker->sceneBoundingRect().center(), QPointF(100, 50));
    QCOMPARE(marker->rect(), QRectF(-5, -5, 10, 10));
    QCOMPARE(marker->zValue(), 910.0);
    QCOMPARE(marker->brush(), QBrush(QColor(1, 2, 3, 20), Qt::SolidPattern));
}

void TestTargetsGraphicScene::deleteWithMarkerOnTarget()
{
    Target *t = DrawRect({100, 100}, {200, 200});
    QGraphicsEllipseItem *marker = scene->AddHitMarker(QPointF(150, 150), 5);
    QCOMPARE(window->TargetAt(QPointF(150, 150)), t);
    Click(scene, {150, 150}); // the frame is above: the target stays selected
    QCOMPARE(window->SelectedTarget(), t);
    QTest::keyClick(window, Qt::Key_Delete);
    QCOMPARE(window->Targets().size(), 0);
    QCOMPARE(window->TargetAt(QPointF(150, 150)), nullptr);
    // The marker outlives its target and is neither selected nor collected.
    QCOMPARE(marker->scene(), static_cast<QGraphicsScene *>(scene));
    Drag(scene, {150, 150}, {170, 170});
    QCOMPARE(marker->pos(), QPointF(150, 150));
    QVERIFY(scene->selectedItems.isEmpty());
    Drag(scene, {50, 50}, {300, 300});
    QVERIFY(scene->selectedItems.isEmpty());
    QVERIFY(window->ui->listWidgetTargets->selectedItems().isEmpty());
}

QTEST_MAIN(TestTargetsGraphicScene)
#include "tst_targetsgraphicscene.moc"
