// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the targets through the real main window: the target list (naming, row text, properties,
// restacking, duplicates, deletion, visibility), the ring generator, and the editing scene driven by
// synthetic mouse events.
#include "../common/mainwindowtest.h"
#include "../common/scenemouse.h"

#include "targetgeometry.h"

#include <QApplication>
#include <QGraphicsEllipseItem>
#include <QGraphicsPolygonItem>
#include <QInputDialog>
#include <QtTest>

using namespace SceneMouse;

Q_DECLARE_METATYPE(QMarginsF)

static QPolygonF Poly(std::initializer_list<QPointF> points)
{
    return QPolygonF(QVector<QPointF>(points));
}

static bool Near(QPointF a, QPointF b)
{
    return QLineF(a, b).length() < 1e-6;
}

class TestTargets : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        window = MainWindowTest::Open(1);
        QVERIFY2(window, "the camera library beside the test was not loaded");
        scene = window->scene;
    }

    void cleanup()
    {
        delete window;
        window = nullptr;
    }

    void duplicateKeepsScoreAndType()
    {
        Target *source = AddRect(QRectF(10, 20, 40, 30));
        window->ui->lineEditTargetName->setText(QStringLiteral("Plate %1 on the wall"));
        window->ui->spinBoxTargetScore->setValue(4);
        // An ignore area has no score input, but its stored score stays.
        window->ui->comboBoxTargetType->setCurrentIndex(2);
        QVERIFY(!window->ui->spinBoxTargetScore->isEnabled());
        source->hits = 3;
        window->ui->pushButtonDuplicateTarget->click();

        Target *copy = window->Targets().last();
        QVERIFY(copy != source);
        QCOMPARE(copy->type, int(TargetType::IgnoreArea));
        QCOMPARE(copy->hits, 3);
        // A name of 15 characters or more is not padded, and '%1' in it stays text.
        QCOMPARE(copy->listItem->text(), QStringLiteral("Plate %1 on the wall:4"));
        QCOMPARE(qgraphicsitem_cast<QGraphicsPolygonItem *>(copy->item)->polygon(),
                 qgraphicsitem_cast<QGraphicsPolygonItem *>(source->item)->polygon());
        // Exactly the copy is selected; the source shows the colour of its new role.
        QCOMPARE(window->SelectedTarget(), copy);
        QCOMPARE(source->item->pen().color(), window->colors.at(3));
        window->ui->comboBoxTargetType->setCurrentIndex(0);
        QVERIFY(window->ui->spinBoxTargetScore->isEnabled());

        // An ellipse copy grows by one unit on every side, and its copy by another.
        scene->AddEllipseTarget(QRectF(100, 100, 50, 40));
        for (const QRectF &grown : {QRectF(99, 99, 52, 42), QRectF(98, 98, 54, 44)}) {
            window->ui->pushButtonDuplicateTarget->click();
            QCOMPARE(EllipseRect(window->Targets().last()), grown);
        }
        QCOMPARE(window->Targets().size(), 5);
    }

    void deleteDefaultNamesAndMarkers()
    {
        Target *a = AddRect(QRectF(10, 10, 40, 40));
        AddRect(QRectF(100, 10, 40, 40));
        AddRect(QRectF(128, 96, 384, 288))->type = int(TargetType::CorrectedRings);
        QGraphicsItem *shapeA = a->item;
        // The target of corrected rings cannot be duplicated, but it can be deleted; the property
        // fields belong to nobody while two targets are selected.
        SelectRows({0, 2});
        QVERIFY(!window->ui->pushButtonDuplicateTarget->isEnabled());
        QVERIFY(window->ui->lineEditTargetName->text().isEmpty() && !window->ui->frameTargetProps->isEnabled());
        QCOMPARE(window->SelectedTarget(), nullptr);
        window->ui->pushButtonDeleteTarget->click();
        QVERIFY(!window->ui->pushButtonDeleteTarget->isEnabled()); // nothing is selected
        QCOMPARE(window->Targets().size(), 1);
        QCOMPARE(window->FindCorrectedTarget(), nullptr);
        QVERIFY(!scene->items().contains(shapeA));

        // The number in a default name counts rows, not targets ever made; the new target is selected.
        Target *last = AddRect(QRectF(300, 300, 40, 40));
        QCOMPARE(window->Targets().first()->name, QStringLiteral("Target No. 2"));
        QCOMPARE(last->listItem->text(), QStringLiteral("Target No. 2   :1"));
        QCOMPARE(window->SelectedTarget(), last);

        // The key deletes on the Targets page only. A marker on the target outlives it and is neither
        // moved nor selected.
        QGraphicsEllipseItem *marker = scene->AddHitMarker(QPointF(320, 320), 5);
        window->SetPage(2);
        SelectRows({1});
        QTest::keyClick(window, Qt::Key_Delete);
        QCOMPARE(window->Targets().size(), 2);
        window->SetPage(1);
        SelectRows({1});
        Click(scene, {320, 320}); // the frame lies above the marker: the target stays selected
        QCOMPARE(window->SelectedTarget(), last);
        QTest::keyClick(window, Qt::Key_Delete);
        QCOMPARE(window->TargetAt(QPointF(320, 320)), nullptr);
        QCOMPARE(marker->scene(), static_cast<QGraphicsScene *>(scene));
        Drag(scene, {320, 320}, {340, 340});
        QCOMPARE(marker->pos(), QPointF(320, 320));
        Drag(scene, {250, 250}, {400, 400});
        QVERIFY(scene->selectedItems.isEmpty());
    }

    void addModeButtons()
    {
        Target *t = AddRect(QRectF(10, 10, 40, 40));
        QPushButton *rect = window->ui->pushButtonAddRectTarget;
        QPushButton *circle = window->ui->pushButtonAddCircleTarget;
        rect->click(); // drawing deselects
        QVERIFY(window->ui->listWidgetTargets->selectedItems().isEmpty());
        circle->click();
        QCOMPARE(window->addMode, int(AddMode::Circle));
        QVERIFY(!rect->isChecked());
        circle->click(); // the active one again ends the mode
        QCOMPARE(window->addMode, int(AddMode::None));
        QVERIFY(!circle->isChecked());
        QCOMPARE(t->item->cursor().shape(), Qt::OpenHandCursor);
    }

    void pagesSetVisibility()
    {
        Target *target = AddRect(QRectF(10, 10, 40, 40));
        Target *ignore = AddRect(QRectF(100, 10, 40, 40));
        ignore->type = int(TargetType::IgnoreArea);
        SelectRows({0});

        window->SetPage(2);
        QVERIFY(window->ui->listWidgetTargets->selectedItems().isEmpty());
        QVERIFY(target->item->isVisible() && !ignore->item->isVisible());
        window->SetPage(0);
        QVERIFY(!target->item->isVisible());
        window->SetPage(1);
        QVERIFY(target->item->isVisible() && ignore->item->isVisible());
    }

    void rings_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("step"); // diameter of the innermost ring, and how much each next one adds
        QTest::newRow("1") << true << 1 << 400;
        QTest::newRow("3") << true << 3 << 133;
        QTest::newRow("5") << true << 5 << 80;
        QTest::newRow("25") << true << 25 << 16;
        QTest::newRow("none (never offered): nothing selected") << true << 0 << 0;
        QTest::newRow("cancelled: even the selection stays") << false << 5 << 0;
    }

    void rings()
    {
        QFETCH(bool, ok);
        QFETCH(int, n);
        QFETCH(int, step);
        // A target made before the rings; it stays in front of them.
        Target *before = AddRect(QRectF(500, 20, 40, 40));
        QStringList asked;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            if (auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
                answer.stop();
                asked << dialog->windowTitle() << dialog->labelText()
                      << QStringLiteral("%1 %2-%3").arg(dialog->intValue()).arg(dialog->intMinimum()).arg(dialog->intMaximum());
                dialog->setIntValue(n);
                ok ? dialog->accept() : dialog->reject();
            }
        });
        answer.start(10);
        if (n == 0)
            window->askRingCount = [](bool *answered) { *answered = true; return 0; };
        window->ui->pushButtonGenerateTarget->click();
        if (n > 0)
            QCOMPARE(asked, QStringList({"Ringscheibe", "Wie viele Ringe soll die Scheibe haben?", "5 1-25"}));
        const QList<Target *> targets = window->Targets();
        if (!ok || n == 0) {
            QCOMPARE(targets.size(), 1);
            QCOMPARE(before->listItem->isSelected(), !ok);
            return;
        }
        QCOMPARE(targets.size(), n + 1);
        QVERIFY(!before->listItem->isSelected());
        for (int i = 0; i < n; ++i) {
            const Target *t = targets[i + 1];
            const int d = step * (i + 1);
            QCOMPARE(EllipseRect(targets[i + 1]), QRectF(320 - d / 2.0, 240 - d / 2.0, d, d));
            QCOMPARE(t->name, QStringLiteral("Ring %1").arg(n - i));
            QCOMPARE(t->score, n - i);
            QVERIFY(t->listItem->isSelected());
        }
        // With several rings selected nobody owns the property fields.
        QCOMPARE(window->ui->frameTargetProps->isEnabled(), n == 1);
        // The innermost ring lies in front, so a shot at the centre scores it.
        QCOMPARE(window->TargetAt(QPointF(320, 240)), targets[1]);
        QCOMPARE(window->TargetAt(QPointF(320, 41)), targets[n]);
        QCOMPARE(window->TargetAt(QPointF(620, 460)), nullptr);

        // Dragging the outer ring's row to the top brings it in front of all others.
        QVERIFY(window->ui->listWidgetTargets->model()->moveRow(QModelIndex(), n, QModelIndex(), 0));
        QCOMPARE(TargetOfRow(window->ui->listWidgetTargets->item(0)), targets[n]);
        QVERIFY(targets[n]->item->zValue() > before->item->zValue());
        QCOMPARE(window->TargetAt(QPointF(320, 240)), targets[n]);
    }

    void drawThreshold_data()
    {
        QTest::addColumn<bool>("ellipse");
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<bool>("made");

        QTest::newRow("rect: 10 x 10 is area 100") << false << QPointF(100, 100) << QPointF(110, 110) << false;
        QTest::newRow("rect: 10 x 11") << false << QPointF(100, 100) << QPointF(110, 111) << true;
        QTest::newRow("rect: 11 x 10 dragged up and left") << false << QPointF(111, 110) << QPointF(100, 100) << true;
        QTest::newRow("rect: flat 200 x 0") << false << QPointF(100, 100) << QPointF(300, 100) << false;
        QTest::newRow("ellipse: 11 x 10 dragged up and left") << true << QPointF(111, 110) << QPointF(100, 100) << true;
    }

    void drawThreshold()
    {
        QFETCH(bool, ellipse);
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QFETCH(bool, made);
        Target *t = Draw(ellipse, from, to);
        QCOMPARE(t != nullptr, made);
        // The dragged rubber item never stays behind.
        QCOMPARE(ShapeCount(), made ? 1 : 0);
        // Too small keeps the mode for another try; a target ends it.
        QCOMPARE(window->addMode, made ? int(AddMode::None) : int(ellipse ? AddMode::Circle : AddMode::Rect));
        if (!made)
            return;
        QCOMPARE(t->item->pos(), QPointF(0, 0));
        if (ellipse)
            QCOMPARE(EllipseRect(t), QRectF(from, to).normalized());
        else
            QCOMPARE(Points(t), RectToPolygon(from, to));
        QCOMPARE(window->SelectedTarget(), t);
    }

    void polygon()
    {
        // Two corners make no target.
        DrawPolygon(Poly({{100, 100}, {200, 100}}));
        QCOMPARE(scene->DrawnPolygon(), nullptr);
        QCOMPARE(ShapeCount(), 0);

        // While drawing, the floating point follows the pointer.
        const QPolygonF corners = Poly({{300, 100}, {400, 100}, {400, 200}, {300, 200}});
        DrawPolygon(corners, false);
        Move(scene, QPointF(333, 222), Qt::NoButton);
        QVERIFY(scene->DrawnPolygon());
        QCOMPARE(scene->DrawnPolygon()->polygon().last(), QPointF(333, 222));
        Move(scene, corners.last(), Qt::NoButton);
        Click(scene, corners.last(), Qt::RightButton);
        QCOMPARE(scene->DrawnPolygon(), nullptr);
        QCOMPARE(ShapeCount(), 1);
        Target *t = window->Targets().first();
        QCOMPARE(Points(t), QPolygonF(corners) << corners.first());
        // Selected at once, with a handle on every corner; side handles follow a dragged corner.
        QCOMPARE(scene->PolygonCornerHandles().size(), 4);
        Drag(scene, {400, 100}, {430, 80});
        QCOMPARE(scene->PolygonEdgeHandles().at(0)->pos(), QPointF(365, 90));
        // The first corner moves the closing point too; the closing side moves both its ends.
        Drag(scene, {300, 100}, {290, 110});
        QCOMPARE(Points(t).last(), QPointF(290, 110));
        const QPointF side = scene->PolygonEdgeHandles().at(3)->pos();
        Drag(scene, side, side + QPointF(-20, 0));
        QCOMPARE(Points(t), Poly({{270, 110}, {430, 80}, {400, 200}, {280, 200}, {270, 110}}));
        QCOMPARE(t->item->pos(), QPointF(0, 0));

        // A double click on a side adds a corner there, which can be dragged out at once.
        DoubleClick(scene, QPointF(340, 200));
        Drag(scene, QPointF(340, 200), QPointF(340, 240));
        QCOMPARE(Points(t), Poly({{270, 110}, {430, 80}, {400, 200}, {340, 240}, {280, 200}, {270, 110}}));
        // Losing its first corner, it stays closed; a triangle keeps its three corners.
        Click(scene, {270, 110}, Qt::RightButton);
        QCOMPARE(Points(t), Poly({{430, 80}, {400, 200}, {340, 240}, {280, 200}, {430, 80}}));
        QCOMPARE(scene->PolygonCornerHandles().first()->pos(), QPointF(430, 80));
        Click(scene, {340, 240}, Qt::RightButton);
        Click(scene, {400, 200}, Qt::RightButton);
        QCOMPARE(Points(t), Poly({{430, 80}, {400, 200}, {280, 200}, {430, 80}}));
        QCOMPARE(scene->PolygonCornerHandles().size(), 3);
    }

    void selection_data()
    {
        // Shapes: 0 rect (20,20)-(80,80), 1 ellipse (150,30)-(250,100), 2 rect (280,100)-(400,200) and
        // 3 a small ellipse (100,40)-(120,60), inside the frame of 0 and 1.
        QTest::addColumn<QString>("gestures");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QPointF>("moved"); // how far shape 0 moved
        QTest::newRow("click") << "click 50 50" << QList<int>{0} << QPointF();
        QTest::newRow("ctrl+click adds") << "click 50 50; ctrl 200 65" << QList<int>{0, 1} << QPointF();
        QTest::newRow("ctrl+click on a selected shape keeps it") << "click 50 50; ctrl 200 65; ctrl 200 65"
                                                                 << QList<int>{0, 1} << QPointF();
        QTest::newRow("a plain click selects alone") << "click 50 50; ctrl 200 65; click 340 150" << QList<int>{2}
                                                     << QPointF();
        QTest::newRow("a click on empty space") << "click 50 50; click 500 400" << QList<int>() << QPointF();
        QTest::newRow("rubber band, shapes wholly inside") << "drag 10 10 270 150" << QList<int>{0, 1, 3} << QPointF();
        QTest::newRow("rubber band backwards") << "drag 270 150 10 10" << QList<int>{0, 1, 3} << QPointF();
        QTest::newRow("a press on a shape under the frame drags the selection")
            << "click 50 50; ctrl 200 65; drag 110 50 130 60" << QList<int>{0, 1} << QPointF(20, 10);
        QTest::newRow("camera page: no selecting, moving or drawing")
            << "page 0; click 50 50; drag 50 50 150 150; drag 5 5 500 400; mode r; drag 300 300 400 400; "
               "mode p; click 300 300"
            << QList<int>() << QPointF();
        QTest::newRow("game page: the same") << "page 2; click 50 50; drag 50 50 150 150; mode r; drag 300 300 400 400"
                                             << QList<int>() << QPointF();
    }

    // Plays the gestures ("click x y", "ctrl x y", "drag x y x2 y2", "page n", "mode r|p") and checks
    // what is selected, in the scene and in the list, and what moved.
    void selection()
    {
        QFETCH(QString, gestures);
        QFETCH(QList<int>, selected);
        QFETCH(QPointF, moved);
        const QList<Target *> shapes{Draw(false, {20, 20}, {80, 80}), Draw(true, {150, 30}, {250, 100}),
                                     Draw(false, {280, 100}, {400, 200}), Draw(true, {100, 40}, {120, 60})};
        const QPolygonF before = Points(shapes[0]);
        for (const QString &step : gestures.split(';')) {
            const QStringList w = step.simplified().split(' ');
            QList<qreal> n;
            for (int i = 1; i < w.size(); ++i)
                n << w[i].toDouble();
            if (w[0] == "page")
                window->SetPage(int(n[0]));
            else if (w[0] == "mode")
                window->addMode = w[1] == "r" ? AddMode::Rect : AddMode::Polygon;
            else if (w[0] == "drag")
                Drag(scene, {n[0], n[1]}, {n[2], n[3]});
            else
                Click(scene, {n[0], n[1]}, Qt::LeftButton, w[0] == "ctrl" ? Qt::ControlModifier : Qt::NoModifier);
        }
        QList<QAbstractGraphicsShapeItem *> expected;
        for (int i : selected)
            expected << shapes[i]->item;
        QCOMPARE(QSet<QAbstractGraphicsShapeItem *>(scene->selectedItems.begin(), scene->selectedItems.end()),
                 QSet<QAbstractGraphicsShapeItem *>(expected.begin(), expected.end()));
        QCOMPARE(window->ui->listWidgetTargets->selectedItems().size(), selected.size());
        QCOMPARE(Points(shapes[0]), before.translated(moved));
        // The frame spans the selection; the others have their colours back (on the Game page a click
        // is a shot and flashes its target); nothing half-drawn stays.
        QCOMPARE(scene->Frame()->isVisible(), !selected.isEmpty());
        for (int i : selected)
            QVERIFY(scene->Frame()->rect().contains(shapes[i]->item->sceneBoundingRect()));
        for (Target *t : shapes)
            QVERIFY(window->page == 2 || expected.contains(t->item) || t->item->pen().color() == window->colors.at(1));
        QVERIFY(!scene->RubberBand()->isVisible());
        QCOMPARE(scene->DrawnPolygon(), nullptr);
        QCOMPARE(ShapeCount(), 4);
    }

    void transformMixedSelection_data()
    {
        QTest::addColumn<int>("grab"); // -1 a shape, -2 empty frame area, 0..3 a corner handle, 10..13 a side handle
        QTest::addColumn<QPointF>("delta");
        QTest::addColumn<QMarginsF>("growth"); // how far each side of the frame moves out
        QTest::newRow("move by a shape") << -1 << QPointF(35, -12) << QMarginsF(-35, 12, 35, -12);
        QTest::newRow("move by empty frame area") << -2 << QPointF(35, -12) << QMarginsF(-35, 12, 35, -12);
        QTest::newRow("bottom-right corner") << 2 << QPointF(60, 40) << QMarginsF(0, 0, 60, 40);
        QTest::newRow("top-left corner inward") << 0 << QPointF(30, 20) << QMarginsF(-30, -20, 0, 0);
        QTest::newRow("bottom-left corner") << 3 << QPointF(-20, 30) << QMarginsF(20, 0, 0, 30);
        QTest::newRow("right side") << 11 << QPointF(50, 0) << QMarginsF(0, 0, 50, 0);
        // Across the opposite corner: the new box is the handles' bounding box, nothing is mirrored.
        QTest::newRow("top-left past bottom-right") << 0 << QPointF(262, 112) << QMarginsF(-232, -82, 30, 30);
    }

    void transformMixedSelection()
    {
        QFETCH(int, grab);
        QFETCH(QPointF, delta);
        QFETCH(QMarginsF, growth);
        Target *rect = Draw(false, {20, 20}, {80, 80});
        Target *ellipse = Draw(true, {150, 30}, {250, 100});
        Drag(scene, {10, 10}, {300, 150}); // both in a rubber band
        QCOMPARE(scene->selectedItems.size(), 2);
        const QPolygonF points = Points(rect);
        const QRectF ellipseRect = EllipseRect(ellipse);
        const QRectF oldBox = scene->Frame()->rect();
        const QRectF newBox = oldBox.marginsAdded(growth);
        const QPointF start = grab == -1 ? QPointF(50, 50)
            : grab == -2                 ? QPointF(120, 90)
            : grab < 10                  ? scene->BoxCornerHandle(grab)->pos()
                                         : scene->BoxEdgeHandle(grab - 10)->pos();
        // One step: every move maps from the frame the last one left, so only a single step is exact.
        Drag(scene, start, start + delta, 1);

        // Every shape goes with the frame and keeps its place within it; the items stay at (0, 0).
        const QPolygonF got = Points(rect);
        QCOMPARE(got.size(), points.size());
        for (int i = 0; i < got.size(); ++i)
            QVERIFY2(Near(got[i], MapRect(points[i], oldBox, newBox)), qPrintable(QStringLiteral("point %1").arg(i)));
        QVERIFY(Near(EllipseRect(ellipse).topLeft(), MapRect(ellipseRect.topLeft(), oldBox, newBox)));
        QVERIFY(Near(EllipseRect(ellipse).bottomRight(), MapRect(ellipseRect.bottomRight(), oldBox, newBox)));
        QCOMPARE(rect->item->pos(), QPointF(0, 0));
        QCOMPARE(ellipse->item->pos(), QPointF(0, 0));
        QCOMPARE(scene->selectedItems.size(), 2);
        // The handles are back in their corner order around the new frame; hit tests follow.
        QCOMPARE(scene->BoxCornerHandle(0)->pos(), scene->Frame()->rect().topLeft());
        QCOMPARE(window->TargetAt(got.first() + QPointF(2, 3)), rect);
    }

    void correctedTargetRules()
    {
        Draw(false, {20, 400}, {60, 440});
        scene->AddPolygonTarget(Poly({{128, 96}, {512, 96}, {512, 384}, {128, 384}, {128, 96}}));
        Target *t = window->SelectedTarget();
        QVERIFY(t);
        t->type = int(TargetType::CorrectedRings);
        Click(scene, {600, 20});
        Click(scene, {300, 200});
        QCOMPARE(window->SelectedTarget(), t);

        // Corner handles only: no frame, no box handles, hidden side handles.
        QVERIFY(!scene->Frame()->isVisible() && !scene->BoxCornerHandle(0)->isVisible());
        QCOMPARE(scene->PolygonCornerHandles().size(), 4);
        for (QAbstractGraphicsShapeItem *edge : scene->PolygonEdgeHandles())
            QVERIFY(!edge->isVisible());

        // Corners stay in their quarter of the picture; the first one moves the closing point too.
        Drag(scene, {512, 96}, {250, 120});
        QCOMPARE(Points(t).at(1), QPointF(320, 120));
        Drag(scene, {128, 96}, {500, 400});
        QCOMPARE(Points(t).last(), QPointF(320, 240));
        Drag(scene, {512, 384}, {700, 500});
        QCOMPARE(Points(t).at(2), QPointF(640, 480));
        const QPolygonF shaped = Points(t);

        // No move as a whole, no corner removed, no corner added.
        Drag(scene, {300, 300}, {340, 330});
        Click(scene, {128, 384}, Qt::RightButton);
        DoubleClick(scene, (shaped.at(2) + shaped.at(3)) / 2);
        QCOMPARE(Points(t), shaped);

        // Even within a larger selection it is not moved.
        Drag(scene, {5, 5}, {660, 500});
        QCOMPARE(scene->selectedItems.size(), 2);
        Drag(scene, {40, 420}, {80, 440});
        QCOMPARE(Points(t), shaped);
    }

private:
    Target *AddRect(const QRectF &r) { return MainWindowTest::AddRect(window, r); }
    void SelectRows(const QList<int> &rows) { MainWindowTest::SelectRows(window, rows); }

    Target *Draw(bool ellipse, QPointF from, QPointF to)
    {
        const int before = window->Targets().size();
        (ellipse ? window->ui->pushButtonAddCircleTarget : window->ui->pushButtonAddRectTarget)->click();
        Drag(scene, from, to);
        return window->Targets().size() > before ? window->Targets().last() : nullptr;
    }

    void DrawPolygon(const QPolygonF &corners, bool finish = true)
    {
        if (window->addMode != AddMode::Polygon)
            window->ui->pushButtonAddPolygonTarget->click();
        for (const QPointF &p : corners) {
            Move(scene, p, Qt::NoButton);
            Click(scene, p);
        }
        if (finish)
            Click(scene, corners.last(), Qt::RightButton);
    }

    QPolygonF Points(Target *t) const
    {
        auto *polygon = qgraphicsitem_cast<QGraphicsPolygonItem *>(t->item);
        return polygon ? polygon->mapToScene(polygon->polygon()) : QPolygonF();
    }

    QRectF EllipseRect(Target *t) const
    {
        auto *item = qgraphicsitem_cast<QGraphicsEllipseItem *>(t->item);
        return item ? item->rect() : QRectF();
    }

    int ShapeCount() const
    {
        // Shapes below the editing items and above the camera pictures: targets and anything half-drawn.
        int n = 0;
        for (QGraphicsItem *item : scene->items())
            if (item->zValue() < 800 && item->zValue() > -1000)
                ++n;
        return n;
    }

    MainWindow *window = nullptr;
    TargetsGraphicScene *scene = nullptr;
};

QTEST_MAIN(TestTargets)
#include "tst_targets.moc"
