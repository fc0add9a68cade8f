// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the shot timer core: drill files, the runner on a set clock, results and their rows.
#include "drill.h"
#include "drillcatalog.h"
#include "drillrunner.h"
#include "drillsession.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr qint64 S = 1000000; // one second in microseconds
constexpr qint64 Ms = 1000;

// JSON written with single quotes, so that it needs no escaping here.
QByteArray J(const char *text)
{
    return QByteArray(text).replace('\'', '"');
}

Drill ParseOrFail(const QByteArray &json)
{
    Drill d;
    QString problem;
    if (!DrillReader::Parse(json, d, &problem))
        qWarning().noquote() << "not a drill:" << problem;
    d.id = QStringLiteral("test");
    return d;
}

TimedShot ShotAt(qint64 us, const QString &target = QStringLiteral("A"), int score = 1)
{
    TimedShot s;
    s.timeUs = us;
    s.target = target;
    s.score = score;
    return s;
}

// A runner on a clock the test sets; the start signal comes at signalAt.
struct Bench
{
    explicit Bench(const QByteArray &json, const QStringList &targets = {QStringLiteral("A"), QStringLiteral("B")})
    {
        runner.SetClock([this] { return now; });
        runner.SetTargetNames(targets);
        QObject::connect(&runner, &DrillRunner::StringFinished,
                         [this](const DrillStringResult &r) { results << r; });
        armed = runner.Arm(ParseOrFail(json));
    }
    void At(qint64 t)
    {
        now = t;
        runner.Poll();
    }
    DrillRunner runner;
    qint64 now = 100 * S;
    bool armed = false;
    QVector<DrillStringResult> results;
};

const QByteArray SixUnderFour = J("{'fieldshot_drill': 1, 'name': 'Six', 'start': {'fixed': 2}, 'strings': [{'shots': 6, 'par': 4}]}");

} // namespace

class TestDrill : public QObject
{
    Q_OBJECT

private slots:
    void shippedDrillsLoad()
    {
        DrillCatalog catalog;
        catalog.Load(QString());
        QVERIFY2(catalog.Problems().isEmpty(), qPrintable(catalog.Problems().join('\n')));
        QVERIFY(catalog.Entries().size() >= 6);
        QStringList ids;
        for (const DrillCatalog::Entry &e : catalog.Entries()) {
            ids << e.drill.id;
            QVERIFY(e.shipped);
            QVERIFY2(!e.drill.nameDe.isEmpty() && !e.drill.nameEn.isEmpty(), qPrintable(e.drill.id));
            QVERIFY2(!e.drill.descriptionDe.isEmpty() && !e.drill.descriptionEn.isEmpty(), qPrintable(e.drill.id));
            // Usable with a project of three ordinary targets, whatever their names.
            QCOMPARE(DrillReader::CheckTargets(e.drill, {"x", "y", "z"}), QString());
        }
        for (const char *id : {"bill_drill", "el_presidente", "draw", "failure_to_stop", "accuracy", "ladder"})
            QVERIFY2(ids.contains(QLatin1String(id)), id);
    }

    void shippedDrillContents()
    {
        DrillCatalog catalog;
        catalog.Load(QString());
        QHash<QString, Drill> byId;
        for (const DrillCatalog::Entry &e : catalog.Entries())
            byId.insert(e.drill.id, e.drill);
        const Drill ladder = byId.value("ladder");
        QCOMPARE(ladder.strings.size(), 5);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(ladder.strings[i].shots, i + 1);
        QCOMPARE(ladder.strings[4].parUs, 3500 * Ms);
        const Drill president = byId.value("el_presidente");
        QCOMPARE(president.strings.first().reloadAfter, QVector<int>{6});
        QCOMPARE(president.TargetSpec(0, 2), QStringLiteral("#2"));
        QCOMPARE(byId.value("draw").strings.size(), 5); // "repeat": 5
        QCOMPARE(byId.value("accuracy").delayMinUs, 3 * S);
        QCOMPARE(byId.value("accuracy").delayMaxUs, 3 * S);
        QCOMPARE(byId.value("accuracy").scoring, Drill::Scoring::Points);
    }

    void brokenDrillFiles_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("message");
        const QByteArray ok = J("'fieldshot_drill': 1, 'name': 'N'");
        QTest::newRow("not JSON") << QByteArray("{\"fieldshot_drill\": 1,") << "kein gültiges JSON";
        QTest::newRow("array") << QByteArray("[1]") << "kein JSON-Objekt";
        QTest::newRow("no marker") << QByteArray(J("{'name': 'N', 'strings': [{'shots': 1}]}"))
                                   << "\"fieldshot_drill\" fehlt: keine Drill-Datei";
        QTest::newRow("version") << QByteArray(J("{'fieldshot_drill': 2, 'name': 'N', 'strings': [{'shots': 1}]}"))
                                 << "Formatversion 2 wird nicht unterstützt (nur 1)";
        QTest::newRow("unknown key") << "{" + ok + J(", 'strngs': []}") << "unbekanntes Feld \"strngs\"";
        QTest::newRow("no name") << QByteArray(J("{'fieldshot_drill': 1, 'name': ' ', 'strings': [{'shots': 1}]}"))
                                 << "\"name\" fehlt oder ist leer";
        QTest::newRow("no strings") << "{" + ok + "}" << "\"strings\" fehlt oder ist leer";
        QTest::newRow("zero shots") << "{" + ok + J(", 'strings': [{'shots': 0}]}")
                                    << "Serie 1: \"shots\" muss eine ganze Zahl von 1 bis 100 sein";
        QTest::newRow("fractional shots") << "{" + ok + J(", 'strings': [{'shots': 1}, {'shots': 2.5}]}")
                                          << "Serie 2: \"shots\" muss eine ganze Zahl von 1 bis 100 sein";
        QTest::newRow("negative par") << "{" + ok + J(", 'strings': [{'shots': 1, 'par': -1}]}")
                                      << "Serie 1: \"par\" muss zwischen 0 und 600 s liegen";
        QTest::newRow("par as text") << "{" + ok + J(", 'strings': [{'shots': 1, 'par': '2'}]}")
                                     << "Serie 1: \"par\" muss zwischen 0 und 600 s liegen";
        QTest::newRow("targets count") << "{" + ok + J(", 'strings': [{'shots': 3, 'targets': ['A', 'B']}]}")
                                       << "Serie 1: 2 Ziele für 3 Schüsse (eines für alle oder eines je Schuss)";
        QTest::newRow("empty target") << "{" + ok + J(", 'strings': [{'shots': 1, 'targets': ['']}]}")
                                      << "Serie 1: jedes Ziel braucht einen Namen";
        QTest::newRow("reload out of range") << "{" + ok + J(", 'strings': [{'shots': 3, 'reload_after': [3]}]}")
                                             << "Serie 1: \"reload_after\" braucht Schussnummern von 1 bis 2";
        QTest::newRow("start both") << "{" + ok + J(", 'start': {'fixed': 1, 'random': [1, 2]}, 'strings': [{'shots': 1}]}")
                                    << "\"start\" braucht genau eines von \"fixed\" (Sekunden) oder \"random\" ([von, bis])";
        QTest::newRow("start reversed") << "{" + ok + J(", 'start': {'random': [4, 2]}, 'strings': [{'shots': 1}]}")
                                        << "\"random\": der erste Wert ist größer als der zweite";
        QTest::newRow("start too long") << "{" + ok + J(", 'start': {'fixed': 61}, 'strings': [{'shots': 1}]}")
                                        << "Startverzögerung muss zwischen 0 und 60 s liegen";
        QTest::newRow("score") << "{" + ok + J(", 'strings': [{'shots': 1}], 'score': 'speed'}")
                               << "\"score\" muss \"hits\", \"points\" oder \"hitfactor\" sein";
        QTest::newRow("pass key") << "{" + ok + J(", 'strings': [{'shots': 1}], 'pass': {'hits': 1}}")
                                  << "\"pass\": unbekanntes Feld \"hits\"";
        QTest::newRow("pass par") << "{" + ok + J(", 'strings': [{'shots': 1}], 'pass': {'par': 1}}")
                                  << "\"pass\": \"par\" muss true oder false sein";
        QTest::newRow("too many strings") << "{" + ok + J(", 'strings': [{'shots': 1, 'repeat': 30}, {'shots': 1, 'repeat': 21}]}")
                                          << "mehr als 50 Serien";
    }

    void brokenDrillFiles()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, message);
        Drill d;
        d.nameDe = QStringLiteral("untouched");
        QString problem;
        QVERIFY(!DrillReader::Parse(json, d, &problem));
        QVERIFY2(problem.startsWith(message), qPrintable(problem));
        QCOMPARE(d.nameDe, QStringLiteral("untouched")); // a refused file changes nothing
    }

    void userFolderBesideShipped()
    {
        QTemporaryDir dir;
        QFile good(dir.filePath("mine.json"));
        QVERIFY(good.open(QIODevice::WriteOnly));
        good.write(J("{'fieldshot_drill': 1, 'name': {'de': 'Meiner', 'en': 'Mine'}, 'strings': [{'shots': 2}]}"));
        good.close();
        QFile bad(dir.filePath("broken.json"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write(J("{'fieldshot_drill': 1, 'name': 'X', 'strings': [{'shots': 0}]}"));
        bad.close();
        DrillCatalog catalog;
        catalog.Load(dir.path());
        QCOMPARE(catalog.Entries().last().drill.id, QStringLiteral("mine"));
        QCOMPARE(catalog.Entries().last().drill.Name("en"), QStringLiteral("Mine"));
        QVERIFY(!catalog.Entries().last().shipped);
        QCOMPARE(catalog.Problems(),
                 QStringList{"broken.json: Serie 1: \"shots\" muss eine ganze Zahl von 1 bis 100 sein"});
    }

    void targetsOfTheProject_data()
    {
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("problem");
        QTest::newRow("any") << "any" << "" << "";
        QTest::newRow("by name") << "Head" << "Head" << "";
        QTest::newRow("by position") << "#2" << "Head" << "";
        QTest::newRow("position beyond") << "#3" << "" << "braucht 3 Ziele, das Projekt hat 2";
        QTest::newRow("missing name") << "Leg" << "" << "braucht das Ziel \"Leg\", das im Projekt fehlt";
    }

    void targetsOfTheProject()
    {
        QFETCH(QString, wanted);
        QFETCH(QString, name);
        QFETCH(QString, problem);
        QString got, why;
        QCOMPARE(DrillReader::ResolveTarget(wanted, {"Body", "Head"}, &got, &why), problem.isEmpty());
        QCOMPARE(got, name);
        QCOMPARE(why, problem);
    }

    void firstShotSplitsAndPar_data()
    {
        QTest::addColumn<QVector<qint64>>("shotsMs"); // after the start signal
        QTest::addColumn<bool>("parPassed");
        QTest::newRow("under par") << QVector<qint64>{1250, 1500, 1750, 2000, 2250, 2500} << true;
        QTest::newRow("exactly par") << QVector<qint64>{1000, 1600, 2200, 2800, 3400, 4000} << true;
        QTest::newRow("over par") << QVector<qint64>{1000, 1600, 2200, 2800, 3400, 4001} << false;
    }

    void firstShotSplitsAndPar()
    {
        QFETCH(QVector<qint64>, shotsMs);
        QFETCH(bool, parPassed);
        Bench b(SixUnderFour);
        QVERIFY(b.armed);
        QSignalSpy signal(&b.runner, &DrillRunner::StartSignal);
        QVERIFY(b.runner.Start());
        b.At(b.now + 2 * S - 1);
        QCOMPARE(signal.count(), 0);
        b.At(b.now + 1);
        QCOMPARE(signal.count(), 1);
        const qint64 start = b.now;
        QCOMPARE(signal.first().at(1).toLongLong(), start);
        for (int i = 0; i < shotsMs.size(); ++i)
            QCOMPARE(b.runner.Shot(ShotAt(start + shotsMs[i] * Ms)), i == shotsMs.size() - 1);
        QCOMPARE(b.results.size(), 1);
        const DrillStringResult &r = b.results.first();
        QCOMPARE(r.firstShotUs, shotsMs.first() * Ms);
        QCOMPARE(r.Splits().size(), 5);
        for (int i = 1; i < shotsMs.size(); ++i)
            QCOMPARE(r.Splits()[i - 1], (shotsMs[i] - shotsMs[i - 1]) * Ms);
        QCOMPARE(r.totalUs, shotsMs.last() * Ms);
        QCOMPARE(r.parPassed, parPassed);
        QCOMPARE(r.passed, parPassed);
        QVERIFY(r.complete && !r.falseStart);
        QCOMPARE(b.runner.CurrentState(), DrillRunner::State::Ready);
    }

    void parBeepAtParTime()
    {
        Bench b(SixUnderFour);
        QSignalSpy par(&b.runner, &DrillRunner::ParTime);
        b.runner.Start();
        b.At(b.now + 2 * S);
        const qint64 start = b.now;
        b.runner.Shot(ShotAt(start + 500 * Ms));
        b.At(start + 4 * S - 1);
        QCOMPARE(par.count(), 0);
        b.At(start + 4 * S);
        QCOMPARE(par.count(), 1);
        b.At(start + 5 * S);
        QCOMPARE(par.count(), 1); // once per string
    }

    void falseStarts()
    {
        // A shot during the start delay ends the string as a false start.
        Bench b(SixUnderFour);
        b.runner.Start();
        b.At(b.now + S);
        QVERIFY(b.runner.Shot(ShotAt(b.now)));
        QCOMPARE(b.results.size(), 1);
        QVERIFY(b.results[0].falseStart);
        QVERIFY(!b.results[0].passed && !b.results[0].parPassed);
        QCOMPARE(b.results[0].firstShotUs, -1);

        // A shot captured before the signal but handed in after it is one too.
        b.runner.Start();
        b.At(b.now + 2 * S);
        const qint64 start = b.runner.SignalUs();
        QVERIFY(b.runner.Shot(ShotAt(start - 10 * Ms)));
        QCOMPARE(b.results.size(), 2);
        QVERIFY(b.results[1].falseStart);
        QCOMPARE(b.results[1].run, 2);
    }

    void delayFromTriggerAndRandomRange()
    {
        // A start-button shot starts the delay at its own time, not when it is handled.
        Bench fixed(SixUnderFour);
        fixed.runner.Start(fixed.now - 300 * Ms);
        QCOMPARE(fixed.runner.SignalUs(), fixed.now + 1700 * Ms);

        Bench b(J("{'fieldshot_drill': 1, 'name': 'R', 'start': {'random': [1.5, 2.5]}, 'strings': [{'shots': 1}]}"));
        b.runner.SeedRandom(7);
        qint64 lo = 10 * S, hi = 0;
        for (int i = 0; i < 200; ++i) {
            QVERIFY(b.runner.Start());
            const qint64 delay = b.runner.SignalUs() - b.now;
            lo = qMin(lo, delay);
            hi = qMax(hi, delay);
            b.runner.Abort();
        }
        QVERIFY2(lo >= 1500 * Ms && hi <= 2500 * Ms, qPrintable(QString("%1 %2").arg(lo).arg(hi)));
        QVERIFY2(hi - lo > 800 * Ms, "the delay varies over its range");
    }

    void targetOrderAndHitFactor()
    {
        // Two on A, one on B: a shot on the wrong target is a miss and scores nothing.
        Bench b(J("{'fieldshot_drill': 1, 'name': 'FTS', 'start': {'fixed': 0}, 'strings': [{'shots': 3, 'par': 3, 'targets': ['#1', '#1', 'B']}], 'score': 'hitfactor'}"));
        b.runner.Start();
        const qint64 start = b.runner.SignalUs();
        QCOMPARE(b.runner.CurrentState(), DrillRunner::State::Running); // no delay: signal at once
        b.runner.Shot(ShotAt(start + 1000 * Ms, "A", 5));
        b.runner.Shot(ShotAt(start + 1500 * Ms, "B", 5));
        b.runner.Shot(ShotAt(start + 2000 * Ms, "B", 4));
        QCOMPARE(b.results.size(), 1);
        const DrillStringResult r = b.results.first();
        QCOMPARE(r.countedShots, (QVector<bool>{true, false, true}));
        QCOMPARE(r.hits, 2);
        QCOMPARE(r.misses, 1);
        QCOMPARE(r.points, 9);
        QCOMPARE(r.hitFactor, 4.5);
        QVERIFY(r.parPassed);
        QVERIFY(!r.passed); // every shot must count unless the drill says otherwise
        QCOMPARE(r.targets.size(), 2);
        QCOMPARE(r.targets[0].target, QStringLiteral("A"));
        QCOMPARE(r.targets[0].hits, 1);
        QCOMPARE(r.targets[0].misses, 1);
        QCOMPARE(r.targets[1].hits, 1);
        QCOMPARE(r.targets[1].misses, 0);
    }

    void missesCountOnNoTarget()
    {
        Bench b(J("{'fieldshot_drill': 1, 'name': 'Acc', 'start': {'fixed': 0}, 'strings': [{'shots': 3}], 'pass': {'min_hits': 2, 'min_points': 15, 'par': false}}"));
        b.runner.Start();
        const qint64 start = b.runner.SignalUs();
        b.runner.Shot(ShotAt(start + 1 * S, "A", 10));
        b.runner.Shot(ShotAt(start + 2 * S, QString(), 0));
        b.runner.Shot(ShotAt(start + 3 * S, "B", 7));
        const DrillStringResult r = b.results.first();
        QCOMPARE(r.hits, 2);
        QCOMPARE(r.points, 17);
        QVERIFY(r.passed);
        QCOMPARE(r.targets.size(), 3);
        QCOMPARE(r.targets[1].target, QString());
        QCOMPARE(r.targets[1].misses, 1);
    }

    void stringsPausesAndStops()
    {
        Bench b(J("{'fieldshot_drill': 1, 'name': 'Ladder', 'start': {'fixed': 1}, 'pause': 3, 'strings': [{'shots': 1, 'par': 1.5}, {'shots': 2, 'par': 2}]}"));
        QSignalSpy next(&b.runner, &DrillRunner::NextStringDue);
        QSignalSpy finished(&b.runner, &DrillRunner::RunFinished);
        b.runner.Start();
        b.At(b.now + S);
        b.runner.Shot(ShotAt(b.now + 800 * Ms));
        QCOMPARE(b.runner.CurrentState(), DrillRunner::State::Pause);
        QCOMPARE(b.runner.StringIndex(), 1);
        b.runner.GameStopped(); // the game's own stop after the string changes nothing
        b.At(b.now + 3 * S - 1);
        QCOMPARE(next.count(), 0);
        b.At(b.now + 1);
        QCOMPARE(next.count(), 1);
        QVERIFY(b.runner.Start());
        b.At(b.now + S);
        b.runner.Shot(ShotAt(b.now + 700 * Ms));
        // Stopped before the second shot: incomplete, par failed, the run is over.
        b.runner.GameStopped();
        QCOMPARE(b.results.size(), 2);
        QCOMPARE(b.results[1].stringIndex, 1);
        QVERIFY(!b.results[1].complete);
        QVERIFY(!b.results[1].parPassed);
        QCOMPARE(b.results[1].misses, 1);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(b.runner.CurrentState(), DrillRunner::State::Ready);
        // The next start is a new run from the first string.
        b.runner.Start();
        QCOMPARE(b.runner.StringIndex(), 0);
        QCOMPARE(b.runner.Run(), 2);
        // A stop during the delay drops the string without a result.
        b.runner.GameStopped();
        QCOMPARE(b.results.size(), 2);
    }

    void refusedWhenTargetsDoNotFit()
    {
        Bench b(J("{'fieldshot_drill': 1, 'name': 'Three', 'strings': [{'shots': 3, 'targets': ['#1', '#2', '#3']}]}"));
        QSignalSpy refused(&b.runner, &DrillRunner::Refused);
        QVERIFY(!b.runner.Start());
        QCOMPARE(refused.count(), 1);
        QCOMPARE(refused.first().first().toString(), QStringLiteral("braucht 3 Ziele, das Projekt hat 2"));
        QCOMPARE(b.runner.CurrentState(), DrillRunner::State::Ready);
    }

    void secondsText_data()
    {
        QTest::addColumn<qint64>("us");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << "0.000";
        QTest::newRow("rounds down") << qint64(1234499) << "1.234";
        QTest::newRow("rounds up") << qint64(1234500) << "1.235";
        QTest::newRow("minutes") << qint64(75 * S + 5 * Ms) << "75.005";
        QTest::newRow("none") << qint64(-1) << "";
    }

    void secondsText()
    {
        QFETCH(qint64, us);
        QFETCH(QString, text);
        QCOMPARE(DrillSession::Seconds(us), text);
    }

    void bestAndMeanOverRuns()
    {
        Bench b(J("{'fieldshot_drill': 1, 'name': 'Draw', 'start': {'fixed': 0}, 'strings': [{'shots': 2, 'par': 2}]}"));
        DrillSession session;
        QObject::connect(&b.runner, &DrillRunner::StringFinished, [&](const DrillStringResult &r) { session.Add(r); });
        const QVector<QPair<qint64, qint64>> runs{{1000, 1400}, {800, 1300}, {900, 1500}};
        for (const auto &run : runs) {
            b.runner.Start();
            const qint64 start = b.runner.SignalUs();
            b.runner.Shot(ShotAt(start + run.first * Ms, "A", 5));
            b.runner.Shot(ShotAt(start + run.second * Ms, "A", 5));
        }
        b.runner.Start();
        b.runner.Shot(ShotAt(b.runner.SignalUs() - 1)); // a false start, left out of best and mean

        QVector<DrillSession::RowKind> kinds;
        const QList<QStringList> rows = session.Rows(&kinds);
        QCOMPARE(kinds, (QVector<DrillSession::RowKind>{DrillSession::StringRow, DrillSession::StringRow,
                                                          DrillSession::StringRow, DrillSession::StringRow,
                                                          DrillSession::BestRow, DrillSession::MeanRow}));
        const int delay = 3, first = 4, splits = 5, total = 6, factor = 11, verdict = 13;
        QCOMPARE(rows[0][delay], QStringLiteral("0.000"));
        QCOMPARE(rows[0][first], QStringLiteral("1.000"));
        QCOMPARE(rows[0][splits], QStringLiteral("0.400"));
        QCOMPARE(rows[3][verdict], QStringLiteral("Fehlstart"));
        QCOMPARE(rows[4][first], QStringLiteral("0.800"));
        QCOMPARE(rows[4][total], QStringLiteral("1.300"));
        QCOMPARE(rows[4][factor], QStringLiteral("7.69")); // 10 points in 1.3 s
        QCOMPARE(rows[5][first], QStringLiteral("0.900"));
        QCOMPARE(rows[5][total], QStringLiteral("1.400"));
        QCOMPARE(rows[1][2], QStringLiteral("2")); // the run
        QCOMPARE(rows[0].size(), DrillSession::Header().size());
        // The drill counts hits (the default): its figure closes each row.
        QCOMPARE(rows[0].last(), QStringLiteral("2 Treffer"));
        QCOMPARE(rows[3].last(), QString()); // no figure for a false start
        QCOMPARE(rows[4].last(), QStringLiteral("2 Treffer"));
    }

    void repeatsOfAStringShareBestAndMean()
    {
        Bench b(J("{'fieldshot_drill': 1, 'name': 'Draw', 'start': {'fixed': 0}, 'pause': 0, 'strings': [{'shots': 1, 'repeat': 3}, {'shots': 2}]}"));
        DrillSession session;
        QObject::connect(&b.runner, &DrillRunner::StringFinished, [&](const DrillStringResult &r) { session.Add(r); });
        QObject::connect(&b.runner, &DrillRunner::NextStringDue, [&] { b.runner.Start(); });
        b.runner.Start();
        for (qint64 first : {900, 700, 800}) {
            b.runner.Shot(ShotAt(b.runner.SignalUs() + first * Ms));
            b.At(b.now + 1); // the pause of 0 is over: the next string starts
        }
        b.runner.Shot(ShotAt(b.runner.SignalUs() + 500 * Ms));
        b.runner.Shot(ShotAt(b.runner.SignalUs() + 900 * Ms));
        QCOMPARE(session.Results().size(), 4);
        QVector<DrillSession::RowKind> kinds;
        const QList<QStringList> rows = session.Rows(&kinds);
        QCOMPARE(rows.size(), 3 + 2 + 1 + 2);
        QCOMPARE(kinds[3], DrillSession::BestRow);
        QCOMPARE(rows[3][1], QStringLiteral("1-3"));
        QCOMPARE(rows[3][4], QStringLiteral("0.700")); // best first shot of the three
        QCOMPARE(rows[4][4], QStringLiteral("0.800")); // their mean
        QCOMPARE(rows[5][1], QStringLiteral("4/4"));
        QCOMPARE(rows[6][1], QStringLiteral("4"));
        QCOMPARE(rows[4].last(), QStringLiteral("1 Treffer"));
        QCOMPARE(DrillSession::ScoreText(Drill::Scoring::HitFactor, 13.125), QStringLiteral("HF 13.13"));
        QCOMPARE(DrillSession::ScoreText(Drill::Scoring::Points, 28.5), QStringLiteral("28.5 Punkte"));
    }
};

QTEST_GUILESS_MAIN(TestDrill)
#include "tst_drill.moc"
