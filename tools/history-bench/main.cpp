// SPDX-License-Identifier: GPL-3.0-or-later
// Fills a training history with made-up strings and times what opening the progress view costs:
// the query, the chart points and the whole window's reload (queries, table and chart series).
#include "historyprogress.h"
#include "historysessionsmodel.h"
#include "historystore.h"
#include "historywindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

static HistoryRecord MadeString(int i, QRandomGenerator &random)
{
    static const QString drills[] = {QString(), QStringLiteral("Bill drill"), QStringLiteral("El Presidente")};
    HistoryRecord r;
    // One string every 20 minutes, ending now.
    r.when = QDateTime::currentDateTimeUtc().addSecs(-qint64(20 * 60) * (10000 - i));
    r.project = QStringLiteral("/home/club/lane%1.fsp").arg(i % 4);
    r.drill = drills[i % 3];
    r.stringIndex = i % 5;
    r.startUs = 0;
    for (int k = 0; k < 10; ++k) {
        HistoryShot s;
        s.shot.timeUs = 300000 + k * 280000 + qint64(random.bounded(200000));
        s.shot.pos = QPointF(random.bounded(640.0), random.bounded(480.0));
        s.shot.camera = 0;
        s.shot.target = QStringLiteral("Scheibe %1").arg(1 + random.bounded(3));
        s.shot.score = random.bounded(11);
        s.offset = QPointF(random.bounded(40.0) - 20, random.bounded(40.0) - 20);
        r.shots.append(s);
    }
    r.target = MainTargetOf(r.shots);
    r.results = ComputeHistoryResults(r.shots, r.startUs);
    return r;
}

static double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, atoi(argv[1])) : 10000;
    QTemporaryDir dir;
    // Arguments: N, then the database (a PostgreSQL URL, say; filled as well), then a PNG.
    const HistoryLocation location = ParseHistoryUrl(argc > 2 ? QString::fromLocal8Bit(argv[2])
                                                              : dir.filePath(QStringLiteral("bench.sqlite")));
    HistoryStore store;
    if (!store.Open(location)) {
        std::fprintf(stderr, "%s\n", qPrintable(store.ErrorString()));
        return 1;
    }
    QRandomGenerator random(27);
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < count; ++i) {
        HistoryRecord r = MadeString(i, random);
        if (!store.Store(r)) {
            std::fprintf(stderr, "%s\n", qPrintable(store.ErrorString()));
            return 1;
        }
    }
    const double fillMs = t.nsecsElapsed() / 1e6;
    std::printf("history-bench: %s, %d strings of 10 shots stored in %.0f ms (%.2f ms per string)\n",
                qPrintable(location.Describe()), count, fillMs, fillMs / count);
    store.Close();

    const int runs = 7;
    std::vector<double> query, points, reload, first;
    for (int run = 0; run < runs; ++run) {
        HistoryStore reader;
        t.restart();
        reader.Open(location);
        const QList<HistoryRecord> strings = reader.Strings();
        query.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        const HistoryProgress progress = BuildHistoryProgress(strings);
        points.push_back(t.nsecsElapsed() / 1e6);
        if (progress.score.size() != strings.size())
            return 1;
    }
    for (int run = 0; run < runs; ++run) {
        // A window as the Verlauf button makes it: open, query, table, four chart series.
        t.restart();
        HistoryWindow window(location);
        window.Reload();
        first.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        window.Reload();
        reload.push_back(t.nsecsElapsed() / 1e6);
        if (window.model->rowCount() != count)
            return 1;
    }
    // A third argument: a picture of the filled window, to look at what the charts draw.
    if (argc > 3) {
        HistoryWindow window(location);
        window.Reload();
        window.show();
        window.grab().save(QString::fromLocal8Bit(argv[3]));
    }
    std::printf("  open + query of all strings: median %.1f ms\n", Median(query));
    std::printf("  chart points:                median %.1f ms\n", Median(points));
    std::printf("  window built and filled:     median %.1f ms (goal under 300 ms)\n", Median(first));
    std::printf("  window reloaded:             median %.1f ms\n", Median(reload));
    return 0;
}
