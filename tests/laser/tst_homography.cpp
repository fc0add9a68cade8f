// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the perspective correction: solving, mapping and the fallback before corners.
#include "homography.h"

#include <QtTest>

class TestHomography : public QObject
{
    Q_OBJECT

private slots:
    void maps_data()
    {
        // Corners (none: never set) onto a screen of `screen` x `screen`; each point's image.
        QTest::addColumn<QVector<QPointF>>("corners");
        QTest::addColumn<int>("screen");
        QTest::addColumn<bool>("solved");
        QTest::addColumn<QVector<QPointF>>("points");
        QTest::addColumn<QVector<QPointF>>("expected");
        const QVector<QPointF> screenCorners{{0, 0}, {1000, 0}, {0, 1000}, {1000, 1000}};
        const QVector<QPointF> square{{128, 96}, {512, 96}, {128, 384}, {512, 384}};
        const QVector<QPointF> angled{{150, 80}, {520, 110}, {120, 420}, {540, 400}};
        const QVector<QPointF> perspective{{250, 100}, {390, 100}, {20, 470}, {620, 470}};
        QTest::newRow("axis-aligned corners") << square << 1000 << true << square << screenCorners;
        QTest::newRow("angled corners") << angled << 1000 << true << angled << screenCorners;
        QTest::newRow("strong perspective") << perspective << 1000 << true << perspective << screenCorners;
        // Trapezoid (0,0) (4,0) (1,2) (3,2) onto the unit square, worked out by hand: its sides
        // meet at (2, 4), so the horizon is y = 4 and along the axis x = 2 the mapping is u = 1/2,
        // v = y / (4 - y); the top edge is parallel to the horizon, so along it u = x / 4.
        QTest::newRow("hand-computed points")
            << QVector<QPointF>{{0, 0}, {4, 0}, {1, 2}, {3, 2}} << 1 << true
            << QVector<QPointF>{{2, 2}, {2, 4.0 / 3.0}, {1, 0}, {2, 3}}
            << QVector<QPointF>{{0.5, 1}, {0.5, 0.5}, {0.25, 0}, {0.5, 3}};
        // Before corners, and with corners on one line, the 640 x 480 picture is scaled.
        QTest::newRow("scaled before corners") << QVector<QPointF>{} << 1000 << false
                                               << QVector<QPointF>{{320, 120}}
                                               << QVector<QPointF>{{500, 250}};
        QTest::newRow("degenerate corners keep the scaling")
            << QVector<QPointF>{{0, 0}, {10, 10}, {20, 20}, {30, 30}} << 1000 << false
            << QVector<QPointF>{{64, 48}} << QVector<QPointF>{{100, 100}};
    }

    void maps()
    {
        QFETCH(QVector<QPointF>, corners);
        QFETCH(int, screen);
        QFETCH(bool, solved);
        QFETCH(QVector<QPointF>, points);
        QFETCH(QVector<QPointF>, expected);
        Homography h;
        for (int i = 0; i < corners.size(); ++i)
            h.SetCorner(i, corners[i].x(), corners[i].y());
        if (!corners.isEmpty())
            QCOMPARE(h.PreCalculate(), solved);
        QCOMPARE(h.IsSolved(), solved);
        h.SetScreenResolution(screen, screen);
        for (int i = 0; i < points.size(); ++i) {
            double cx, cy;
            h.Map(points[i].x(), points[i].y(), &cx, &cy);
            QVERIFY2(qAbs(cx - expected[i].x()) < 1e-9 && qAbs(cy - expected[i].y()) < 1e-9,
                     qPrintable(QString("point %1 -> (%2, %3)").arg(i).arg(cx, 0, 'g', 17)
                                    .arg(cy, 0, 'g', 17)));
        }
    }
};

QTEST_APPLESS_MAIN(TestHomography)
#include "tst_homography.moc"
