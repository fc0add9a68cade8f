// SPDX-License-Identifier: GPL-3.0-or-later
// analysis-bench: how long the group figures and decimal scores of a string of shots take.
//
//   analysis-bench [shots] [report.pdf|report.png]
//
// Prints the median, the 99th percentile and the slowest of 200 runs over `shots` (default 1000) random shots; with a
// file name it also writes their report, as the analysis window does.
#include "aimtarget.h"
#include "decimalscore.h"
#include "groupstats.h"
#include "shotreport.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

double MedianUs(std::vector<qint64> &ns)
{
    std::sort(ns.begin(), ns.end());
    return ns[ns.size() / 2] / 1000.0;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int count = args.size() > 1 ? std::max(1, args.at(1).toInt()) : 1000;

    QRandomGenerator random(1);
    ShotPlotData data;
    data.title = QStringLiteral("analysis-bench");
    data.unit = QStringLiteral("mm");
    data.targetRadius = 85;
    data.rings = 10;
    const AimTarget rings = DisplayRingTarget(10, 5);
    QList<QPointF> scenePositions;
    for (int i = 0; i < count; ++i) {
        // A roughly normal group: the sum of three uniform numbers.
        auto normal = [&random] { return random.generateDouble() + random.generateDouble() + random.generateDouble() - 1.5; };
        const QPointF offset(20 * normal() + 4, 20 * normal() - 3);
        data.offsets << offset;
        scenePositions << QPointF(320, 240) + offset;
    }

    constexpr int Runs = 200;
    std::vector<qint64> groupNs, decimalNs;
    // One run first, untimed: the first touches of code and memory are not what a shot costs.
    double sink = ComputeGroupStats(data).extremeSpread.value_or(0);
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const GroupStats stats = ComputeGroupStats(data);
        groupNs.push_back(timer.nsecsElapsed());
        sink += stats.extremeSpread.value_or(0);
        timer.start();
        for (const QPointF &p : scenePositions)
            sink += DecimalRingScore(rings, p);
        decimalNs.push_back(timer.nsecsElapsed());
    }
    const double median = MedianUs(groupNs); // sorts groupNs
    std::printf("shots %d\n", count);
    // The slowest run mostly measures the machine (another process taking the core), p99 the code.
    std::printf("group figures: median %.1f us, p99 %.1f us, slowest %.1f us\n", median,
                groupNs[groupNs.size() * 99 / 100] / 1000.0, groupNs.back() / 1000.0);
    std::printf("decimal scores: median %.1f us for all shots\n", MedianUs(decimalNs));
    std::printf("(checksum %.3f)\n", sink);

    if (args.size() > 2) {
        ShotReport report;
        report.title = QStringLiteral("analysis-bench");
        report.subtitle = QStringLiteral("%1 shots").arg(count);
        report.plots << data;
        report.columns = QStringList{QStringLiteral("#"), QStringLiteral("x"), QStringLiteral("y")};
        for (int i = 0; i < count; ++i)
            report.rows << QStringList{QString::number(i + 1), QString::number(data.offsets[i].x(), 'f', 1),
                                       QString::number(data.offsets[i].y(), 'f', 1)};
        const QString file = args.at(2);
        const bool png = QFileInfo(file).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0;
        if (!(png ? report.WritePng(file) : report.WritePdf(file))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("report written to %s\n", qPrintable(file));
    }
    return 0;
}
