// SPDX-License-Identifier: GPL-3.0-or-later
// drill-timing: runs a drill on the camera library's simulator and compares every time the timer
// shows with the scenario's shot times.
//
// Usage: drill-timing SCENARIO.json DRILL [FPS]
// DRILL is a shipped drill's id or a drill file; the targets come from drills.fsp beside the
// scenario; FPS replaces the scenario's frame rate. The scenario's first shot must hit the start
// button. Prints each string's times and the errors against the scenario; exits 1 when a shot
// is missing or an error exceeds one frame period, 77 when the library has no simulator.
#include "drillcatalog.h"
#include "drillrunner.h"
#include "drillsession.h"
#include "laser.h"
#include "projectdata.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTimer>

#include <cmath>
#include <cstdio>

namespace {

struct Seen
{
    qint64 timeUs;
    QPointF pos;
};

QString Ms(double us)
{
    return QString::number(us / 1000.0, 'f', 3);
}

int Fail(const QString &text, int code = 1)
{
    std::fprintf(stderr, "drill-timing: %s\n", qPrintable(text));
    return code;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return Fail(QStringLiteral("usage: drill-timing SCENARIO.json DRILL [FPS]"), 2);

    QFile scenarioFile(args[1]);
    if (!scenarioFile.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("cannot read %1").arg(args[1]), 2);
    QJsonObject scenario = QJsonDocument::fromJson(scenarioFile.readAll()).object();
    if (args.size() > 3)
        scenario[QStringLiteral("fps")] = args[3].toDouble();
    const double fps = scenario.value(QStringLiteral("fps")).toDouble(30);
    const double periodUs = 1e6 / fps;
    QVector<double> scriptedMs;
    for (const QJsonValue &s : scenario.value(QStringLiteral("shots")).toArray())
        scriptedMs << s.toObject().value(QStringLiteral("t")).toDouble();
    QTemporaryDir temp;
    const QString scenarioPath = temp.filePath(QStringLiteral("scenario.json"));
    QFile copy(scenarioPath);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(QJsonDocument(scenario).toJson()) < 0)
        return Fail(QStringLiteral("cannot write %1").arg(scenarioPath), 2);
    copy.close();

    QFile projectFile(QFileInfo(args[1]).dir().filePath(QStringLiteral("drills.fsp")));
    if (!projectFile.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("cannot read %1").arg(projectFile.fileName()), 2);
    const ProjectData project = ProjectFromJson(projectFile.readAll());
    QStringList names;
    for (const ProjectTarget &t : project.targets)
        if (t.type == 0)
            names << t.name;

    Drill drill;
    QString problem;
    const QString drillPath = QFileInfo::exists(args[2]) ? args[2]
                                                         : DrillCatalog::ShippedFolder() + QLatin1Char('/') + args[2]
                                                               + QStringLiteral(".json");
    if (!DrillReader::ReadFile(drillPath, drill, &problem))
        return Fail(QStringLiteral("%1: %2").arg(drillPath, problem), 2);

    qputenv("LASER_SOURCES", scenarioPath.toUtf8());
    int device = -1;
    for (int i = 0; i < CamListDevices(); ++i) {
        char name[64];
        CamGetNameOfDevice(name, i);
        if (QString::fromUtf8(name).startsWith(QLatin1String("Simulator:")))
            device = i;
    }
    if (device < 0)
        return Fail(QStringLiteral("no simulated camera"), 77);
    CamEnableThreading();
    CamSelectCamera(0);
    if (CamInit(device, 640, 480) < LASER_OPENED)
        return Fail(QStringLiteral("the simulated camera does not open"), 77);

    DrillRunner runner;
    runner.SetTargetNames(names);
    runner.SetLanguage(QStringLiteral("en"));
    runner.Arm(drill);
    QVector<DrillStringResult> results;
    QVector<qint64> triggers; // what each string's delay counted from
    QVector<Seen> seen;
    QObject::connect(&runner, &DrillRunner::StringFinished, [&](const DrillStringResult &r) { results << r; });
    QObject::connect(&runner, &DrillRunner::NextStringDue, [&] {
        triggers << runner.Now();
        runner.Start();
    });
    QObject::connect(&runner, &DrillRunner::RunFinished, &app, &QCoreApplication::quit);

    // The program's tick: every 10 ms, every frame the library has ready.
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        CamSelectCamera(0);
        FrameBlock block;
        for (int r; (r = CamReadFrame(&block)) >= 0;) {
            const qint64 t = CamGetFrameTime();
            const SpotRecord &spot = block.spots[0];
            if (spot.kind != LASER_SPOT_LASER)
                continue;
            const QPointF p(spot.x, spot.y);
            seen << Seen{t, p};
            const ProjectTarget *hit = nullptr;
            for (const ProjectTarget &target : project.targets)
                if (target.corners.containsPoint(p, Qt::OddEvenFill)) {
                    hit = &target;
                    break;
                }
            if (hit && hit->type == 1 && runner.CurrentState() == DrillRunner::State::Ready) {
                triggers << t;
                runner.Start(t);
                continue;
            }
            TimedShot shot;
            shot.timeUs = t;
            shot.pos = p;
            shot.camera = 0;
            if (hit && hit->type == 0) {
                shot.target = hit->name;
                shot.score = hit->score;
            }
            runner.Shot(shot);
        }
    });
    tick.start(10);
    double lengthMs = 0;
    for (double t : scriptedMs)
        lengthMs = std::max(lengthMs, t);
    QTimer::singleShot(int(lengthMs) + 10000, &app, &QCoreApplication::quit);
    app.exec();
    CamFree();

    std::printf("%s at %.0f fps (frame period %s ms), drill \"%s\"\n", qPrintable(QFileInfo(args[1]).fileName()),
                fps, qPrintable(Ms(periodUs)), qPrintable(drill.nameEn));
    std::printf("%-7s %-9s %-9s %-42s %-9s %-6s %s\n", "string", "delay", "first", "splits", "total", "par", "result");
    for (int i = 0; i < results.size(); ++i) {
        const DrillStringResult &r = results[i];
        QStringList splits;
        for (qint64 s : r.Splits())
            splits << DrillSession::Seconds(s);
        const qint64 delay = i < triggers.size() && r.startSignalUs ? r.startSignalUs - triggers[i] : -1;
        std::printf("%-7s %-9s %-9s %-42s %-9s %-6s %s\n",
                    qPrintable(QStringLiteral("%1/%2").arg(r.stringIndex + 1).arg(r.stringCount)),
                    qPrintable(DrillSession::Seconds(delay)), qPrintable(DrillSession::Seconds(r.firstShotUs)),
                    qPrintable(splits.join(QLatin1Char(' '))), qPrintable(DrillSession::Seconds(r.totalUs)),
                    qPrintable(r.parUs ? DrillSession::Seconds(r.parUs) : QStringLiteral("-")),
                    r.falseStart ? "false start" : r.passed ? "passed" : "failed");
    }

    // Each shot's frame time against its scripted time, both counted from the start-button shot
    // (the camera's first frames may be skipped while it starts), and each split against the
    // scenario's spacing.
    int code = 0;
    if (seen.size() != scriptedMs.size()) {
        std::printf("%d shots seen, the scenario fires %d\n", int(seen.size()), int(scriptedMs.size()));
        code = 1;
    }
    double worstShot = 0, worstSplit = 0, sumShot = 0;
    const int n = std::min(int(seen.size()), int(scriptedMs.size()));
    for (int i = 0; i < n; ++i) {
        const double error = (seen[i].timeUs - seen[0].timeUs) - (scriptedMs[i] - scriptedMs[0]) * 1000;
        worstShot = std::max(worstShot, std::abs(error));
        sumShot += std::abs(error);
    }
    int k = 1; // scenario shot 0 is the start button
    int splitCount = 0;
    for (const DrillStringResult &r : results) {
        for (int i = 1; i < r.shots.size() && k + i < n; ++i) {
            const double expected = (scriptedMs[k + i] - scriptedMs[k + i - 1]) * 1000;
            worstSplit = std::max(worstSplit, std::abs(r.splitsUs[i] - expected));
            ++splitCount;
        }
        k += r.shots.size();
    }
    if (results.size() != drill.strings.size()) {
        std::printf("%d of %d strings finished\n", int(results.size()), int(drill.strings.size()));
        code = 1;
    }
    // The first string's delay and first-shot time add up to the scenario's start-to-first-shot.
    double firstError = 0;
    if (!results.isEmpty() && !triggers.isEmpty() && n > 1 && results[0].firstShotUs >= 0) {
        const double measured = results[0].startSignalUs - triggers[0] + results[0].firstShotUs;
        firstError = measured - (scriptedMs[1] - scriptedMs[0]) * 1000;
    }
    std::printf("shot times vs scenario (from the start shot): max %s ms, mean %s ms over %d shots; splits: max error %s ms over %d; "
                "start shot to first shot: error %s ms\n",
                qPrintable(Ms(worstShot)), qPrintable(Ms(n ? sumShot / n : 0)), n, qPrintable(Ms(worstSplit)),
                splitCount, qPrintable(Ms(std::abs(firstError))));
    if (worstShot > periodUs + 1 || worstSplit > periodUs + 1 || std::abs(firstError) > periodUs + 1)
        code = 1;
    return code;
}
