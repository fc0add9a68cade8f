// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the widget-free shot analysis: group figures, decimal ring scores, aim targets, laser
// zero, plot data and the project file's analysis keys.
#include "aimtarget.h"
#include "decimalscore.h"
#include "displaytargetframe.h"
#include "groupstats.h"
#include "laserzero.h"
#include "plotframe.h"
#include "projectdata.h"
#include "reportlayout.h"
#include "ringgenerator.h"
#include "shotsession.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(std::optional<double>)

namespace {

using Points = QList<QPointF>;
const std::optional<double> NA;

bool Near(double a, double b)
{
    return std::fabs(a - b) < 1e-4;
}

QString Text(const std::optional<double> &v)
{
    return v ? QString::number(*v, 'f', 4) : QStringLiteral("n/a");
}

AnalysisArea Ellipse(const QString &name, int score, const QRectF &r)
{
    return AnalysisArea{name, score, true, r, QPolygonF()};
}

AnalysisArea Rect(const QString &name, int score, const QRectF &r)
{
    return AnalysisArea{name, score, false, r, QPolygonF(r)};
}

} // namespace

class TestAnalysis : public QObject
{
    Q_OBJECT
private slots:
    // Hand-computed groups; a figure that needs two shots reads n/a below that.
    void groupFigures_data()
    {
        QTest::addColumn<Points>("shots");
        QTest::addColumn<QPointF>("mean");
        QTest::addColumn<std::optional<double>>("spread");
        QTest::addColumn<std::optional<double>>("meanRadius");
        QTest::addColumn<std::optional<double>>("sdX");
        QTest::addColumn<std::optional<double>>("sdY");
        QTest::addColumn<std::optional<double>>("groupRadius");
        QTest::newRow("one shot") << Points{{3, 4}} << QPointF(3, 4) << NA << NA << NA << NA << NA;
        QTest::newRow("two shots") << Points{{0, 0}, {6, 8}} << QPointF(3, 4) << std::optional(10.0)
                                   << std::optional(5.0) << std::optional(std::sqrt(18.0))
                                   << std::optional(std::sqrt(32.0)) << std::optional(5.0);
        QTest::newRow("square") << Points{{-1, -1}, {1, -1}, {1, 1}, {-1, 1}} << QPointF(0, 0)
                                << std::optional(std::sqrt(8.0)) << std::optional(std::sqrt(2.0))
                                << std::optional(std::sqrt(4.0 / 3)) << std::optional(std::sqrt(4.0 / 3))
                                << std::optional(std::sqrt(2.0));
        QTest::newRow("in a line") << Points{{0, 0}, {1, 0}, {5, 0}} << QPointF(2, 0) << std::optional(5.0)
                                   << std::optional(2.0) << std::optional(std::sqrt(7.0)) << std::optional(0.0)
                                   << std::optional(3.0);
        QTest::newRow("one hole") << Points{{2, -2}, {2, -2}, {2, -2}} << QPointF(2, -2) << std::optional(0.0)
                                  << std::optional(0.0) << std::optional(0.0) << std::optional(0.0)
                                  << std::optional(0.0);
        // A shot inside the others' hull does not change the spread.
        QTest::newRow("inner shot") << Points{{0, 0}, {4, 0}, {4, 3}, {1, 1}} << QPointF(2.25, 1)
                                    << std::optional(5.0) << NA << NA << NA << NA;
    }
    void groupFigures()
    {
        QFETCH(Points, shots);
        QFETCH(QPointF, mean);
        QFETCH(std::optional<double>, spread);
        QFETCH(std::optional<double>, meanRadius);
        QFETCH(std::optional<double>, sdX);
        QFETCH(std::optional<double>, sdY);
        QFETCH(std::optional<double>, groupRadius);
        ShotPlotData plot;
        plot.offsets = shots;
        const GroupStats s = ComputeGroupStats(plot);
        QCOMPARE(s.count, shots.size());
        QVERIFY(s.meanPoint);
        QVERIFY2(Near(s.meanPoint->x(), mean.x()) && Near(s.meanPoint->y(), mean.y()), "mean point of impact");
        QCOMPARE(Text(s.extremeSpread), Text(spread));
        // Rows that leave a figure open only check the spread.
        if (meanRadius || shots.size() < 2) {
            QCOMPARE(Text(s.meanRadius), Text(meanRadius));
            QCOMPARE(Text(s.sdX), Text(sdX));
            QCOMPARE(Text(s.sdY), Text(sdY));
            QCOMPARE(Text(s.groupRadius), Text(groupRadius));
        }
    }

    void noShotsHaveNoFigures()
    {
        const GroupStats s = ComputeGroupStats(Points{});
        QCOMPARE(s.count, 0);
        QVERIFY(!s.meanPoint && !s.extremeSpread && !s.meanRadius && !s.sdX && !s.groupRadius);
    }

    // The hull shortcut must find the same pair as comparing every pair.
    void spreadMatchesEveryPair()
    {
        QRandomGenerator random(27);
        for (int round = 0; round < 50; ++round) {
            Points points;
            const int n = 2 + int(random.bounded(60));
            for (int i = 0; i < n; ++i) // whole numbers make ties and collinear runs likely
                points << QPointF(int(random.bounded(20)), int(random.bounded(20)));
            double best = 0;
            for (int i = 0; i < n; ++i)
                for (int j = i + 1; j < n; ++j)
                    best = std::max(best, std::hypot(points[i].x() - points[j].x(), points[i].y() - points[j].y()));
            QCOMPARE(ExtremeSpread(points), best);
        }
    }

    // The display's ring target: 10 rings, hit size 5, ring width 23.
    void decimalOnDisplayTarget_data()
    {
        QTest::addColumn<double>("distance");
        QTest::addColumn<QString>("score");
        QTest::newRow("centre") << 0.0 << "10.9";
        QTest::newRow("marker over the centre") << 5.0 << "10.9";
        QTest::newRow("innermost tenth line") << 5.0 + 2.3 << "10.9";
        QTest::newRow("just past it") << 5.0 + 2.31 << "10.8";
        QTest::newRow("second tenth line") << 5.0 + 4.6 << "10.8";
        QTest::newRow("inside the ten line") << 27.9 << "10.0";
        QTest::newRow("on the ten line") << 28.0 << "9.9";
        QTest::newRow("middle of the nine") << 5.0 + 23 + 11.5 << "9.5";
        QTest::newRow("inside the outer line") << 234.9 << "1.0";
        QTest::newRow("on the outer line") << 235.0 << "0.0";
        QTest::newRow("outside") << 300.0 << "0.0";
    }
    void decimalOnDisplayTarget()
    {
        QFETCH(double, distance);
        QFETCH(QString, score);
        const AimTarget target = DisplayRingTarget(10, 5);
        // The same in every direction on round rings (axis directions keep the lines exact).
        for (QPointF direction : {QPointF(1, 0), QPointF(0, 1), QPointF(-1, 0), QPointF(0, -1)}) {
            const QPointF p = QPointF(320, 240) + distance * direction;
            QCOMPARE(DecimalScoreText(DecimalRingScore(target, p)), score);
        }
    }

    // The ring of the decimal score is the ring the integer scoring books, for every ring count.
    void decimalAgreesWithIntegerRing()
    {
        for (int rings : {1, 3, 7, 10, 20}) {
            const AimTarget target = DisplayRingTarget(rings, 5);
            for (double d = 0; d < 250; d += 0.37) {
                const QPointF p(320 + d, 240);
                QCOMPARE(int(DecimalRingScore(target, p)), CircleTargetScore(p, rings, 5));
            }
        }
    }

    // Elliptic rings (a ring target filmed at an angle) are measured along the ray through the shot.
    void decimalOnEllipticRings()
    {
        const QList<AimTarget> targets = BuildAimTargets(
            {Ellipse("Ten", 10, QRectF(-20, -10, 40, 20)), Ellipse("Nine", 9, QRectF(-40, -20, 80, 40))});
        QCOMPARE(targets.size(), 1);
        QCOMPARE(DecimalScoreText(DecimalRingScore(targets[0], QPointF(0, 15))), QStringLiteral("9.5"));
        QCOMPARE(DecimalScoreText(DecimalRingScore(targets[0], QPointF(30, 0))), QStringLiteral("9.5"));
        QCOMPARE(DecimalScoreText(DecimalRingScore(targets[0], QPointF(0, 10))), QStringLiteral("9.9"));
        QCOMPARE(DecimalScoreText(DecimalRingScore(targets[0], QPointF(0, 20))), QStringLiteral("0.0"));
        // A target without rings has no decimal score.
        QCOMPARE(DecimalRingScore(BuildAimTargets({Rect("Plate", 3, QRectF(0, 0, 10, 10))})[0], QPointF(5, 5)), 0.0);
    }

    // Generated rings form one ring target; other areas and separate ring sets stay apart.
    void aimTargetsFromAreas()
    {
        QList<AnalysisArea> areas;
        areas << Rect("Plate", 2, QRectF(500, 20, 100, 50));
        for (const GeneratedRing &r : GenerateRings(5))
            areas << Ellipse(QStringLiteral("Ring %1").arg(r.score), r.score, r.rect);
        areas << Ellipse("Far ten", 10, QRectF(1000, 100, 20, 20)) << Ellipse("Far nine", 9, QRectF(990, 90, 40, 40));
        QVector<int> targetOfArea;
        const QList<AimTarget> targets = BuildAimTargets(areas, &targetOfArea);
        QCOMPARE(targets.size(), 3);
        QCOMPARE(targets[0].key, QStringLiteral("Plate"));
        QCOMPARE(targets[0].aim, QPointF(550, 45));
        QVERIFY(targets[0].rings.isEmpty());
        QCOMPARE(targets[1].key, QStringLiteral("Ring 1")); // named after the outer ring
        QCOMPARE(targets[1].aim, QPointF(320, 240));
        QCOMPARE(targets[1].halfSize, QSizeF(200, 200));
        QCOMPARE(targets[1].ringScores, (QVector<int>{5, 4, 3, 2, 1}));
        QCOMPARE(targets[1].rings.first().bounds, QRectF(280, 200, 80, 80));
        QCOMPARE(targets[2].key, QStringLiteral("Far nine"));
        QCOMPARE(targetOfArea, (QVector<int>{0, 1, 1, 1, 1, 1, 2, 2}));

        // A shot in a ring belongs to its ring target; a miss to the nearest aim point.
        QCOMPARE(AimTargetIndexFor(targets, targetOfArea, 3, QPointF(300, 240)), 1);
        QCOMPARE(AimTargetIndexFor(targets, targetOfArea, -1, QPointF(600, 100)), 0);
        QCOMPARE(AimTargetIndexFor(targets, targetOfArea, -1, QPointF(900, 300)), 2);
        QCOMPARE(AimTargetIndexFor({}, {}, -1, QPointF()), -1);
    }

    // Rings drawn over a target filmed at an angle: polygons whose middles drift outward.
    void filmedRingsFormOneTarget()
    {
        QList<AnalysisArea> areas;
        for (int k = 1; k <= 10; ++k) {
            const QPointF centre(348 - 1.5 * (k - 1), 243 + 0.9 * (k - 1));
            QPolygonF outline;
            for (int i = 0; i < 72; ++i) {
                const double a = i * 2 * M_PI / 72;
                outline << centre + QPointF(18.75 * k * std::cos(a), 15 * k * std::sin(a));
            }
            areas << AnalysisArea{QStringLiteral("Ring %1").arg(11 - k), 11 - k, false, outline.boundingRect(), outline};
        }
        areas << Rect("Backstop", 0, QRectF(100, 60, 600, 400)); // holds them, but far off their middle
        QVector<int> targetOfArea;
        const QList<AimTarget> targets = BuildAimTargets(areas, &targetOfArea);
        QCOMPARE(targets.size(), 2);
        const AimTarget &rings = targets[0];
        QCOMPARE(rings.key, QStringLiteral("Ring 1"));
        QCOMPARE(rings.rings.size(), 10);
        QVERIFY(QLineF(rings.aim, QPointF(348, 243)).length() < 1e-6); // the innermost ring's middle
        QCOMPARE(rings.ringScores.first(), 10);
        QCOMPARE(targetOfArea.mid(0, 10), QVector<int>(10, 0));

        // Along a polygon corner the outline is exact: 0.55 of the innermost ring out is 10.4.
        QCOMPARE(DecimalScoreText(DecimalRingScore(rings, QPointF(348 + 18.75 * 0.55, 243))), QStringLiteral("10.4"));
        for (QPointF offset : {QPointF(25, 0), QPointF(0, -22), QPointF(-20, 15)}) {
            const double score = DecimalRingScore(rings, rings.aim + offset);
            QVERIFY2(score >= 9.0 && score < 10.0, qPrintable(QString::number(score)));
        }
        QCOMPARE(DecimalRingScore(rings, QPointF(348 + 200, 243)), 0.0);

        // Placed on a round target of radius 100 (bands of 10): a shot on the outer ring's line
        // lands on the outer circle, one halfway between the two innermost lines at 15, whatever
        // the ray; beyond the rings the outer band's scale goes on.
        for (double angle : {0.3, 1.9, 3.5, 5.0}) {
            const QPointF ray(std::cos(angle), std::sin(angle));
            const double r1 = rings.rings[0].RayExit(rings.aim, ray), r2 = rings.rings[1].RayExit(rings.aim, ray);
            const double r10 = rings.rings[9].RayExit(rings.aim, ray), r9 = rings.rings[8].RayExit(rings.aim, ray);
            const auto length = [](QPointF p) { return std::hypot(p.x(), p.y()); };
            QVERIFY(Near(length(RingSpaceOffset(rings, rings.aim + ray * r10, 100)), 100));
            QVERIFY(Near(length(RingSpaceOffset(rings, rings.aim + ray * (r1 + r2) / 2, 100)), 15));
            QVERIFY(Near(length(RingSpaceOffset(rings, rings.aim + ray * (r10 + (r10 - r9)), 100)), 110));
            // The direction is that of the offset with width and height scaled alike.
            const QPointF p = RingSpaceOffset(rings, rings.aim + ray * r1 / 2, 100);
            const QPointF expected(ray.x() / rings.halfSize.width(), ray.y() / rings.halfSize.height());
            QVERIFY(std::fabs(p.x() * expected.y() - p.y() * expected.x()) < 1e-9 && p.x() * expected.x() >= 0);
        }
    }

    // On round rings about the aim point, and on targets without rings, the placing is a plain scaling.
    void ringSpaceOfRoundRingsIsScaling()
    {
        const AimTarget display = DisplayRingTarget(10, 5);
        for (QPointF offset : {QPointF(0, 0), QPointF(23, 0), QPointF(-30, 41.5), QPointF(200, -150)}) {
            const QPointF placed = RingSpaceOffset(display, QPointF(320, 240) + offset, 115);
            QVERIFY2(Near(placed.x(), offset.x() / 2) && Near(placed.y(), offset.y() / 2), qPrintable(QString::number(placed.x())));
        }
        AimTarget plate;
        plate.aim = QPointF(100, 100);
        plate.halfSize = QSizeF(50, 20);
        QCOMPARE(RingSpaceOffset(plate, QPointF(125, 90), 50), QPointF(25, -25));
    }

    void cameraOfScenePoint_data()
    {
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<int>("camera");
        QTest::newRow("camera 1") << QPointF(639.9, 479.9) << 0;
        QTest::newRow("camera 2") << QPointF(640, 0) << 1;
        QTest::newRow("camera 3") << QPointF(0, 480) << 2;
        QTest::newRow("camera 4") << QPointF(700, 500) << 3;
    }
    void cameraOfScenePoint()
    {
        QFETCH(QPointF, point);
        QFETCH(int, camera);
        QCOMPARE(LaserZero::CameraAt(point), camera);
    }

    void zeroAppliedPerCameraAndCleared()
    {
        LaserZero zero;
        const QPolygonF outline(QRectF(100, 100, 200, 100));
        QCOMPARE(zero.CorrectScene(QPointF(150, 150)), QPointF(150, 150));
        QCOMPARE(zero.CorrectCorrected(QPointF(250, 500), QPointF(150, 150), outline), QPointF(250, 500));

        zero.SetOffset(0, QPointF(4, 2));
        zero.SetOffset(3, QPointF(-1, 1));
        QVERIFY(zero.IsSet(0) && !zero.IsSet(1));
        QCOMPARE(zero.CorrectScene(QPointF(150, 150)), QPointF(146, 148));
        QCOMPARE(zero.CorrectScene(QPointF(700, 100)), QPointF(700, 100)); // camera 2 has none
        QCOMPARE(zero.CorrectScene(QPointF(700, 500)), QPointF(701, 499));
        // An upright outline scales 5 and 10 times to the corrected square.
        QCOMPARE(zero.CorrectCorrected(QPointF(250, 500), QPointF(150, 150), outline), QPointF(230, 480));
        // An outline that is not the corrected target's five points moves nothing.
        QCOMPARE(zero.CorrectCorrected(QPointF(250, 500), QPointF(150, 150), QPolygonF(QRectF(100, 100, 200, 100)).mid(0, 4)),
                 QPointF(250, 500));

        zero.Clear(0);
        QCOMPARE(zero.CorrectScene(QPointF(150, 150)), QPointF(150, 150));
        zero.ClearAll();
        QVERIFY(!zero.IsSet(3));
    }

    // A corrected target filmed at an angle: the change of the corrected position follows the
    // perspective, checked at points whose corrected positions are known by construction.
    void zeroOnTiltedCorrectedTarget()
    {
        const QPolygonF outline(QVector<QPointF>{{100, 100}, {300, 120}, {350, 300}, {50, 260}, {100, 100}});
        // The diagonals' crossing maps to the centre of the corrected square.
        QPointF crossing;
        QLineF(outline[0], outline[2]).intersects(QLineF(outline[1], outline[3]), &crossing);
        LaserZero zero;
        zero.SetOffset(0, outline[1] - outline[0]);
        QPointF moved = zero.CorrectCorrected(QPointF(1000, 0), outline[1], outline);
        QVERIFY2(std::hypot(moved.x(), moved.y()) < 1e-6, "corner 1 zeroed onto corner 0");
        zero.SetOffset(0, outline[2] - crossing);
        moved = zero.CorrectCorrected(QPointF(1000, 1000), outline[2], outline);
        QVERIFY2(std::hypot(moved.x() - 500, moved.y() - 500) < 1e-6, "corner 2 zeroed onto the centre");
        // Starting from where the camera library put the shot, only the change is added.
        moved = zero.CorrectCorrected(QPointF(990, 1003), outline[2], outline);
        QVERIFY(std::hypot(moved.x() - 490, moved.y() - 503) < 1e-6);
    }

    void zeroFromMisses()
    {
        QVERIFY(!ZeroFromMisses({}));
        QCOMPARE(*ZeroFromMisses({{2, 4}, {4, -2}, {0, 1}}), QPointF(2, 1));

        ShotSession session;
        SessionShot shot;
        shot.camera = 0;
        shot.sceneAim = QPointF(100, 100);
        for (QPointF p : {QPointF(103, 99), QPointF(105, 97)}) {
            shot.pos = p;
            session.Add(shot, AimTarget());
        }
        shot.camera = 1;
        shot.pos = QPointF(700, 100);
        shot.sceneAim = QPointF(690, 110);
        session.Add(shot, AimTarget());
        shot.camera = -1; // the mouse has no laser to zero
        session.Add(shot, AimTarget());
        shot.camera = 2;
        shot.sceneAim.reset(); // nor has a shot whose aim point is unknown
        session.Add(shot, AimTarget());
        const QMap<int, QPointF> misses = session.MeanMisses();
        QCOMPARE(misses.keys(), (QList<int>{0, 1}));
        QCOMPARE(misses.value(0), QPointF(4, -2));
        QCOMPARE(misses.value(1), QPointF(10, -10));
    }

    void plotDataUnitsAndScores()
    {
        AimTarget plate;
        plate.key = QStringLiteral("Plate");
        plate.aim = QPointF(300, 200);
        plate.halfSize = QSizeF(100, 50);
        ShotSession session;
        QSignalSpy changed(&session, &ShotSession::Changed);
        SessionShot shot;
        shot.hasTarget = true;
        shot.target = plate.key;
        shot.onTarget = QPointF(310, 195);
        shot.score = 9;
        shot.decimal = 9.4;
        shot.hasDecimal = true;
        session.Add(shot, plate);
        shot.target = QStringLiteral("Other");
        session.Add(shot, AimTarget());
        QCOMPARE(changed.count(), 2);
        QCOMPARE(session.TargetKeys(), (QStringList{"Plate", "Other"}));
        QCOMPARE(session.Target("Plate")->aim, QPointF(300, 200));

        ShotPlotData percent = MakePlotData(plate, session.Shots(), 0, false, "P");
        QCOMPARE(percent.unit, QStringLiteral("%"));
        QCOMPARE(percent.offsets, (Points{{5, -5}})); // of width and of height
        QCOMPARE(percent.scores, (QList<double>{9}));
        QCOMPARE(percent.targetRadius, 50.0);

        ShotPlotData mm = MakePlotData(plate, session.Shots(), 500, true, "P");
        QCOMPARE(mm.unit, QStringLiteral("mm"));
        QCOMPARE(mm.offsets, (Points{{25, -12.5}})); // one scale for both axes
        QCOMPARE(mm.targetRadius, 250.0);
        QCOMPARE(mm.scores, (QList<double>{9.4}));

        // Rings are round: a ring target seen squeezed is measured per axis.
        AimTarget rings = plate;
        rings.rings << AnalysisArea{QString(), 1, true, QRectF(200, 150, 200, 100), QPolygonF()};
        QCOMPARE(MakePlotData(rings, session.Shots(), 500, false, "R").offsets, (Points{{25, -25}}));

        session.Clear();
        QVERIFY(session.Shots().isEmpty() && session.TargetKeys().isEmpty() && !session.Target("Plate"));
    }

    // Every shot and the whole target lie inside the plot's area, the aim point in its middle.
    void plotFitsShotsAndTarget_data()
    {
        QTest::addColumn<double>("radius");
        QTest::addColumn<Points>("shots");
        QTest::newRow("target only") << 50.0 << Points{};
        QTest::newRow("shots inside") << 85.0 << Points{{10, -20}, {-3, 4}};
        QTest::newRow("shot far outside") << 50.0 << Points{{-400, 30}, {2, 1}};
        QTest::newRow("nothing known") << 0.0 << Points{};
    }
    void plotFitsShotsAndTarget()
    {
        QFETCH(double, radius);
        QFETCH(Points, shots);
        ShotPlotData data;
        data.targetRadius = radius;
        data.offsets = shots;
        const QRectF area(10, 20, 300, 200);
        const PlotFrame frame = FitPlot(area, data);
        QCOMPARE(frame.Map(QPointF(0, 0)), area.center());
        QVERIFY(std::isfinite(frame.scale) && frame.scale > 0);
        for (const QPointF &p : shots)
            QVERIFY(area.contains(frame.Map(p)));
        QVERIFY(frame.Length(radius) <= 100);
        // The group circle fits as well, and the scale is the largest that fits: the farthest thing
        // reaches a tenth short of the edge.
        double reach = radius;
        const GroupStats stats = ComputeGroupStats(shots);
        if (stats.groupRadius) {
            const QPointF m = frame.Map(*stats.meanPoint);
            const double r = frame.Length(*stats.groupRadius);
            QVERIFY(area.contains(QRectF(m - QPointF(r, r), m + QPointF(r, r))));
            reach = std::max({reach, std::fabs(stats.meanPoint->x()) + *stats.groupRadius,
                              std::fabs(stats.meanPoint->y()) + *stats.groupRadius});
        }
        if (reach > 0)
            QVERIFY(Near(frame.Length(reach) * 1.1, 100));
    }

    // Paginated, nothing crosses the bottom margin and each page of the table has its header.
    void reportLayoutPages_data()
    {
        QTest::addColumn<int>("plots");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("pages");
        QTest::newRow("title only") << 0 << 0 << 1;
        QTest::newRow("one plot, few rows") << 1 << 10 << 1;
        QTest::newRow("one plot, a second page") << 1 << 70 << 2;
        QTest::newRow("four plots") << 4 << 3 << 2;
        QTest::newRow("a thousand rows") << 1 << 1000 << 21;
    }
    void reportLayoutPages()
    {
        QFETCH(int, plots);
        QFETCH(int, rows);
        QFETCH(int, pages);
        const QSizeF page(2480, 3508); // A4 at 300 dpi
        const double line = 62, margin = page.width() / 15;
        const ReportLayout::Layout l = ReportLayout::Lay(page, line, plots, rows, true);
        QCOMPARE(l.pages, pages);
        QCOMPARE(l.plots.size(), plots);
        QCOMPARE(l.rows.size(), rows);
        QList<ReportLayout::Placement> all = l.plots + l.figures + l.tableHeaders + l.rows;
        for (const ReportLayout::Placement &p : all) {
            QVERIFY(p.page >= 0 && p.page < pages);
            QVERIFY(p.rect.top() >= margin - 1e-9 && p.rect.bottom() <= page.height() - margin + 1e-9);
            QVERIFY(p.rect.left() >= margin - 1e-9 && p.rect.right() <= page.width() - margin + 1e-9);
        }
        for (int i = 0; i < plots; ++i) {
            QCOMPARE(l.plots[i].page, l.figures[i].page);
            QVERIFY(!l.plots[i].rect.intersects(l.figures[i].rect));
            QVERIFY(!l.plots[i].rect.intersects(l.title) || l.plots[i].page > 0);
        }
        // Rows go down the pages in order, and each page's first row sits right under a header.
        for (int i = 1; i < rows; ++i) {
            const auto &a = l.rows[i - 1], &b = l.rows[i];
            QVERIFY(b.page > a.page || (b.page == a.page && b.rect.top() >= a.rect.bottom() - 1e-9));
            if (b.page != a.page) {
                bool headed = false;
                for (const auto &h : l.tableHeaders)
                    headed = headed || (h.page == b.page && qFuzzyCompare(h.rect.bottom(), b.rect.top()));
                QVERIFY2(headed, qPrintable(QStringLiteral("row %1").arg(i)));
            }
        }
        if (rows > 0) {
            QCOMPARE(l.tableHeaders.first().rect.bottom(), l.rows.first().rect.top());
            QCOMPARE(l.tableHeaders.size(), l.rows.last().page - l.rows.first().page + 1);
        }

        // Not paginated, it is one page as tall as its content.
        const ReportLayout::Layout one = ReportLayout::Lay(page, line, plots, rows, false);
        QCOMPARE(one.pages, 1);
        QCOMPARE(one.tableHeaders.size(), rows > 0 ? 1 : 0);
        const double bottom = rows > 0 ? one.rows.last().rect.bottom()
                              : plots > 0 ? one.plots.last().rect.bottom() : one.title.bottom();
        QVERIFY(one.pageHeight >= bottom + margin - 1e-9);
        QVERIFY(one.pageHeight >= page.height());
    }

    // The analysis keys are optional: a file without them reads and writes as before.
    void projectKeys()
    {
        const ProjectData old = ProjectFromJson(R"({"game": 1, "targets": []})");
        QVERIFY(!old.decimalScoring);
        QCOMPARE(old.displayTargetSizeMm, 0.0);
        QVERIFY(old.targetSizesMm.isEmpty());
        QCOMPARE(old.laserZero[2], QPointF());
        const QByteArray plain = ProjectToJson(old);
        for (const char *key : {"DecimalScoring", "DisplayTargetSizeMm", "TargetSizesMm", "LaserZero"})
            QVERIFY2(!plain.contains(key), key);

        ProjectData p;
        p.decimalScoring = true;
        p.displayTargetSizeMm = 170;
        p.targetSizesMm.insert(QStringLiteral("Ring 1"), 155.5);
        p.laserZero[1] = QPointF(3.5, -2);
        const ProjectData back = ProjectFromJson(ProjectToJson(p));
        QVERIFY(back.decimalScoring);
        QCOMPARE(back.displayTargetSizeMm, 170.0);
        QCOMPARE(back.targetSizesMm, p.targetSizesMm);
        QCOMPARE(back.laserZero[0], QPointF());
        QCOMPARE(back.laserZero[1], QPointF(3.5, -2));

        // Damaged values fall back or are held to their ranges.
        const ProjectData bad = ProjectFromJson(
            R"({"DecimalScoring": 1, "DisplayTargetSizeMm": -4, "TargetSizesMm": {"A": "x", "B": 1e9},
                "LaserZero": [1e6, "y", 2]})");
        QVERIFY(!bad.decimalScoring);
        QCOMPARE(bad.displayTargetSizeMm, 0.0);
        QCOMPARE(bad.targetSizesMm.keys(), QStringList{"B"});
        QCOMPARE(bad.targetSizesMm.value("B"), ProjectLimits::MaxTargetSizeMm);
        QCOMPARE(bad.laserZero[0], QPointF(ProjectLimits::MaxLaserZero, 0));
        QCOMPARE(bad.laserZero[1], QPointF());
        // What was read saves and reads back to the same file.
        const QByteArray once = ProjectToJson(bad);
        QCOMPARE(ProjectToJson(ProjectFromJson(once)), once);
    }
};

QTEST_GUILESS_MAIN(TestAnalysis)
#include "tst_analysis.moc"
