// SPDX-License-Identifier: GPL-3.0-or-later
// The history store against SQLite and PostgreSQL: round trip, filters, migrations, bad databases
// and the writer thread.
#include "historystore.h"
#include "historytestdb.h"
#include "historywriter.h"

#include <QFile>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QtTest>

using namespace HistoryTestDb;

class tst_HistoryStore : public QObject
{
    Q_OBJECT

private slots:
    void backends_data();
    void roundTrip_data() { backends_data(); }
    void roundTrip();
    void filters_data() { backends_data(); }
    void filters();
    void migrationFromSchema1_data() { backends_data(); }
    void migrationFromSchema1();
    void newerSchemaRefused_data() { backends_data(); }
    void newerSchemaRefused();
    void writerThread_data() { backends_data(); }
    void writerThread();
    void twoLanesAtOnce_data() { backends_data(); }
    void twoLanesAtOnce();
    void garbageFileRefusedAndKept();
    void damagedInsideRefused();
    void unreachableServer();
    void writerReportsUnopenableDatabase();
};

void tst_HistoryStore::backends_data()
{
    QTest::addColumn<QString>("backend");
    QTest::newRow("sqlite") << QStringLiteral("sqlite");
    QTest::newRow("pgsql") << QStringLiteral("pgsql");
}

#define OPEN_FRESH(loc)                                                                                                \
    QFETCH(QString, backend);                                                                                          \
    QTemporaryDir dir;                                                                                                 \
    QString skip;                                                                                                      \
    const HistoryLocation loc = Fresh(backend, dir, &skip);                                                            \
    if (!skip.isEmpty())                                                                                               \
        QSKIP(qPrintable(skip));

static void CompareRecords(const HistoryRecord &got, const HistoryRecord &want, bool withShots)
{
    QCOMPARE(got.when, want.when);
    QCOMPARE(got.project, want.project);
    QCOMPARE(got.drill, want.drill);
    QCOMPARE(got.target, want.target);
    QCOMPARE(got.gameType, want.gameType);
    QCOMPARE(got.stringIndex, want.stringIndex);
    QCOMPARE(got.shotCount, want.shots.size());
    QCOMPARE(got.results.total, want.results.total);
    QCOMPARE(got.results.hitFactor, want.results.hitFactor);
    QCOMPARE(got.results.firstShotUs, want.results.firstShotUs);
    QCOMPARE(got.results.parPassed, want.results.parPassed);
    QCOMPARE(got.results.groupSize, want.results.groupSize);
    QCOMPARE(got.results.groupUnit, want.results.groupUnit);
    if (!withShots)
        return;
    QCOMPARE(got.shots.size(), want.shots.size());
    for (int i = 0; i < want.shots.size(); ++i) {
        const HistoryShot &g = got.shots[i];
        const HistoryShot &w = want.shots[i];
        QCOMPARE(g.shot.timeUs, w.shot.timeUs - want.startUs); // stored from the string's start
        QCOMPARE(g.shot.pos, w.shot.pos);
        QCOMPARE(g.shot.corrected, w.shot.corrected);
        QCOMPARE(g.shot.camera, w.shot.camera);
        QCOMPARE(g.shot.target, w.shot.target);
        QCOMPARE(g.shot.score, w.shot.score);
        QCOMPARE(g.offset, w.offset);
        QCOMPARE(g.unit, w.unit);
    }
}

void tst_HistoryStore::roundTrip()
{
    OPEN_FRESH(loc);
    HistoryRecord a = MadeRecord(1, 5);
    HistoryRecord b = MadeRecord(2, 1);
    // Names a CSV or SQL string would trip over.
    b.project = QStringLiteral("C:\\Schieß, \"Stand\" 'B'.fsp");
    b.shots[0].shot.target = QStringLiteral("Zielscheibe ÄÖÜ; DROP TABLE shots");
    b.target = MainTargetOf(b.shots);
    HistoryRecord empty = MadeRecord(3, 0);
    {
        HistoryStore store;
        QVERIFY2(store.Open(loc), qPrintable(store.ErrorString()));
        QCOMPARE(store.SchemaVersion(), HistoryStore::LatestSchema);
        for (HistoryRecord *r : {&b, &a, &empty})
            QVERIFY2(store.Store(*r), qPrintable(store.ErrorString()));
        QVERIFY(a.id > 0 && b.id > 0 && a.id != b.id);
    }
    HistoryStore store;
    QVERIFY2(store.Open(loc), qPrintable(store.ErrorString()));
    const QList<HistoryRecord> all = store.Strings();
    QCOMPARE(all.size(), 3);
    // Oldest first, whatever order they were stored in.
    QCOMPARE(all[0].id, a.id);
    CompareRecords(all[0], a, false);
    CompareRecords(all[1], b, false);
    CompareRecords(all[2], empty, false);
    QVERIFY(all[0].shots.isEmpty());

    HistoryRecord loaded;
    QVERIFY(store.Load(a.id, loaded));
    CompareRecords(loaded, a, true);
    QVERIFY(store.Load(b.id, loaded));
    CompareRecords(loaded, b, true);
    QVERIFY(store.Load(empty.id, loaded));
    QCOMPARE(loaded.results.firstShotUs, qint64(-1));
    QCOMPARE(loaded.results.groupSize, -1.0);
    QVERIFY(!store.Load(a.id + b.id + empty.id + 100, loaded));
}

void tst_HistoryStore::filters()
{
    OPEN_FRESH(loc);
    HistoryStore store;
    QVERIFY2(store.Open(loc), qPrintable(store.ErrorString()));
    for (int seed = 0; seed < 8; ++seed) {
        HistoryRecord r = MadeRecord(seed, 4);
        QVERIFY2(store.Store(r), qPrintable(store.ErrorString()));
    }
    // Odd seeds are "Bill drill", even ones plain games; the main target alternates.
    QCOMPARE(store.Drills(), QStringList{QStringLiteral("Bill drill")});
    QCOMPARE(store.Targets(), (QStringList{QStringLiteral("Scheibe 1"), QStringLiteral("Scheibe 2")}));

    HistoryFilter f;
    f.drill = QStringLiteral("Bill drill");
    QCOMPARE(store.Strings(f).size(), 4);
    f.target = MadeRecord(1, 4).target;
    const QList<HistoryRecord> both = store.Strings(f);
    QVERIFY(!both.isEmpty());
    for (const HistoryRecord &r : both) {
        QCOMPARE(r.drill, f.drill);
        QCOMPARE(r.target, f.target);
    }
    HistoryFilter plain;
    plain.plainGamesOnly = true;
    const QList<HistoryRecord> games = store.Strings(plain);
    QCOMPARE(games.size(), 4);
    for (const HistoryRecord &r : games)
        QVERIFY(r.drill.isEmpty());
    f.target = QStringLiteral("nowhere");
    QVERIFY(store.Strings(f).isEmpty());
}

void tst_HistoryStore::migrationFromSchema1()
{
    OPEN_FRESH(loc);
    // Schema 1 had no target column: a string stored then gets its main target from its shots.
    HistoryRecord old = MadeRecord(4, 6);
    old.shots[0].shot.target = QStringLiteral("Gong");
    old.shots[3].shot.target = QStringLiteral("Gong");
    old.shots[4].shot.target = QStringLiteral("Gong");
    const QString expectedTarget = MainTargetOf(old.shots);
    QCOMPARE(expectedTarget, QStringLiteral("Gong"));
    {
        HistoryStore store;
        QVERIFY2(store.Open(loc, 1), qPrintable(store.ErrorString()));
        QCOMPARE(store.SchemaVersion(), 1);
        QVERIFY2(store.Store(old), qPrintable(store.ErrorString()));
        QVERIFY(store.Targets().isEmpty());
    }
    HistoryStore store;
    QVERIFY2(store.Open(loc), qPrintable(store.ErrorString()));
    QCOMPARE(store.SchemaVersion(), 2);
    HistoryFilter f;
    f.target = QStringLiteral("Gong");
    const QList<HistoryRecord> found = store.Strings(f);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found[0].id, old.id);
    old.target = expectedTarget;
    HistoryRecord loaded;
    QVERIFY(store.Load(old.id, loaded));
    CompareRecords(loaded, old, true);

    // Opening again runs no migration twice.
    store.Close();
    QVERIFY2(store.Open(loc), qPrintable(store.ErrorString()));
    QCOMPARE(store.SchemaVersion(), 2);
    QCOMPARE(store.Strings().size(), 1);
}

void tst_HistoryStore::newerSchemaRefused()
{
    OPEN_FRESH(loc);
    {
        HistoryStore store;
        QVERIFY(store.Open(loc));
        HistoryRecord r = MadeRecord(1, 2);
        QVERIFY(store.Store(r));
    }
    {
        // A later program version left schema 3 behind.
        QSqlDatabase db = QSqlDatabase::addDatabase(loc.driver, QStringLiteral("newer"));
        db.setDatabaseName(loc.database);
        db.setHostName(loc.host);
        db.setPort(loc.port);
        db.setUserName(loc.user);
        db.setPassword(loc.password);
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(QStringLiteral("INSERT INTO schema_version (version) VALUES (3)")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("newer"));
    HistoryStore store;
    QVERIFY(!store.Open(loc));
    QVERIFY2(store.ErrorString().contains(QLatin1String("schema 3")), qPrintable(store.ErrorString()));
    QVERIFY(!store.IsOpen());
}

void tst_HistoryStore::writerThread()
{
    OPEN_FRESH(loc);
    QList<qint64> ids;
    {
        HistoryWriter writer(loc);
        QSignalSpy stored(&writer, &HistoryWriter::Stored);
        QSignalSpy failed(&writer, &HistoryWriter::Failed);
        for (int seed = 0; seed < 5; ++seed)
            writer.Store(MadeRecord(seed, 3));
        writer.WaitForIdle();
        QTRY_COMPARE(stored.size(), 5); // the signals cross to this thread through the event loop
        QCOMPARE(failed.size(), 0);
        for (const QList<QVariant> &args : stored)
            ids.append(args.at(0).toLongLong());
        // Destroying the writer right after queueing still writes the record.
        writer.Store(MadeRecord(9, 2));
    }
    HistoryStore store;
    QVERIFY(store.Open(loc));
    const QList<HistoryRecord> all = store.Strings();
    QCOMPARE(all.size(), 6);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(all[i].id, ids[i]);
        CompareRecords(all[i], MadeRecord(i, 3), false);
    }
    CompareRecords(all[5], MadeRecord(9, 2), false);
}

void tst_HistoryStore::twoLanesAtOnce()
{
    OPEN_FRESH(loc);
    // Two lanes share one database, each with its own writer, both opening it for the first time.
    {
        HistoryWriter lane1(loc);
        HistoryWriter lane2(loc);
        QSignalSpy failed1(&lane1, &HistoryWriter::Failed);
        QSignalSpy failed2(&lane2, &HistoryWriter::Failed);
        for (int i = 0; i < 20; ++i) {
            lane1.Store(MadeRecord(i, 12));
            lane2.Store(MadeRecord(100 + i, 12));
        }
        lane1.WaitForIdle();
        lane2.WaitForIdle();
        QCoreApplication::processEvents();
        QCOMPARE(failed1.size() + failed2.size(), 0);
    }
    HistoryStore store;
    QVERIFY(store.Open(loc));
    const QList<HistoryRecord> all = store.Strings();
    QCOMPARE(all.size(), 40);
    for (const HistoryRecord &r : all) {
        HistoryRecord loaded;
        QVERIFY(store.Load(r.id, loaded));
        QCOMPARE(loaded.shots.size(), 12);
        const int seed = int((r.when.toMSecsSinceEpoch() - 1700000000000LL) / 60000);
        CompareRecords(loaded, MadeRecord(seed, 12), true);
    }
}

void tst_HistoryStore::garbageFileRefusedAndKept()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    QByteArray garbage;
    for (int i = 0; i < 8192; ++i)
        garbage.append(char((i * 7919) % 251));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(garbage);
    }
    HistoryStore store;
    QVERIFY(!store.Open(ParseHistoryUrl(path)));
    QVERIFY(!store.ErrorString().isEmpty());
    QVERIFY2(store.ErrorString().contains(path), qPrintable(store.ErrorString()));
    HistoryRecord r = MadeRecord(1, 1);
    QVERIFY(!store.Store(r));
    QVERIFY(store.Strings().isEmpty());
    // The file stays as it was: nothing the user might still rescue is overwritten.
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), garbage);
}

void tst_HistoryStore::damagedInsideRefused()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    {
        HistoryStore store;
        QVERIFY(store.Open(ParseHistoryUrl(path)));
        for (int seed = 0; seed < 40; ++seed) {
            HistoryRecord r = MadeRecord(seed, 30);
            QVERIFY(store.Store(r));
        }
        QCOMPARE(store.IntegrityCheck(), QStringLiteral("ok"));
    } // closing folds the WAL into the file
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    const qint64 size = f.size();
    QVERIFY(size > 8 * 4096);
    // The header stays valid; pages in the middle turn to noise.
    QByteArray noise(3 * 4096, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 131 + 17) % 253);
    f.seek(size / 2 / 4096 * 4096);
    f.write(noise);
    f.close();
    HistoryStore store;
    QVERIFY(!store.Open(ParseHistoryUrl(path)));
    QVERIFY2(store.ErrorString().contains(QLatin1String("damaged")), qPrintable(store.ErrorString()));
}

void tst_HistoryStore::unreachableServer()
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
        QSKIP("the QPSQL driver is not installed");
    HistoryStore store;
    QVERIFY(!store.Open(ParseHistoryUrl(QStringLiteral("postgresql://nobody@127.0.0.1:1/fieldshot"))));
    QVERIFY2(store.ErrorString().contains(QLatin1String("postgresql://nobody@127.0.0.1:1/fieldshot")),
             qPrintable(store.ErrorString()));
}

void tst_HistoryStore::writerReportsUnopenableDatabase()
{
    QTemporaryDir dir;
    // A folder where the database file should be.
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    QVERIFY(QDir().mkpath(path));
    HistoryWriter writer(ParseHistoryUrl(path));
    QSignalSpy stored(&writer, &HistoryWriter::Stored);
    QSignalSpy failed(&writer, &HistoryWriter::Failed);
    writer.Store(MadeRecord(1, 2));
    writer.WaitForIdle();
    QTRY_COMPARE(failed.size(), 1);
    QCOMPARE(stored.size(), 0);
    QVERIFY(!failed.at(0).at(0).toString().isEmpty());
}

QTEST_GUILESS_MAIN(tst_HistoryStore)
#include "tst_historystore.moc"
