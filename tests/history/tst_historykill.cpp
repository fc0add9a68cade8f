// SPDX-License-Identifier: GPL-3.0-or-later
// A writer killed in the middle of storing strings leaves a sound history with every string
// it committed whole and no string in part.
#include "historystore.h"
#include "historytestdb.h"

#include <QCoreApplication>
#include <QProcess>
#include <QtTest>

using namespace HistoryTestDb;

class tst_HistoryKill : public QObject
{
    Q_OBJECT

private slots:
    void killDuringWrites_data();
    void killDuringWrites();
};

static const int ShotsPerString = 150;

// Runs the writer from firstSeed until it has reported `reports` strings, then kills it
// (SIGKILL). Returns the seeds it reported committed.
static QList<int> WriteAndKill(const QString &url, int firstSeed, int reports)
{
    QProcess writer;
    writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    writer.start(QCoreApplication::applicationDirPath() + QStringLiteral("/history-killwriter"),
                 {url, QString::number(firstSeed), QString::number(ShotsPerString)});
    if (!writer.waitForStarted(10000))
        return {};
    QList<int> seeds;
    QByteArray pending;
    while (seeds.size() < reports && writer.state() == QProcess::Running) {
        writer.waitForReadyRead(10000);
        pending += writer.readAllStandardOutput();
        int nl;
        while ((nl = pending.indexOf('\n')) >= 0) {
            seeds.append(pending.left(nl).mid(7).toInt());
            pending.remove(0, nl + 1);
        }
    }
    writer.kill();
    writer.waitForFinished(10000);
    // Lines written just before the kill still count: those strings were committed.
    pending += writer.readAllStandardOutput();
    for (const QByteArray &line : pending.split('\n'))
        if (line.startsWith("stored "))
            seeds.append(line.mid(7).toInt());
    return seeds;
}

void tst_HistoryKill::killDuringWrites_data()
{
    QTest::addColumn<QString>("backend");
    QTest::newRow("sqlite") << QStringLiteral("sqlite");
    QTest::newRow("pgsql") << QStringLiteral("pgsql");
}

void tst_HistoryKill::killDuringWrites()
{
    QFETCH(QString, backend);
    QTemporaryDir dir;
    QString skip;
    const HistoryLocation loc = Fresh(backend, dir, &skip);
    if (!skip.isEmpty())
        QSKIP(qPrintable(skip));
    const QString url = backend == QLatin1String("sqlite") ? loc.database : PostgresUrl();
    if (!QFile::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/history-killwriter")))
        QSKIP("history-killwriter is not built");

    // Four writers in turn on the same database: each must find it usable after the last kill.
    QList<int> committed;
    for (int round = 0; round < 4; ++round) {
        const QList<int> seeds = WriteAndKill(url, round * 1000, 5 + round * 7);
        QVERIFY2(seeds.size() >= 5 + round * 7, "the writer stopped before it was killed");
        committed += seeds;

        HistoryStore store;
        QVERIFY2(store.Open(loc), qPrintable(store.ErrorString()));
        if (backend == QLatin1String("sqlite"))
            QCOMPARE(store.IntegrityCheck(), QStringLiteral("ok"));
        const QList<HistoryRecord> all = store.Strings();
        // At most the string being written is lost; none is there in part.
        QCOMPARE(all.size(), committed.size());
        for (int i = 0; i < all.size(); ++i) {
            const int seed = committed[i];
            const HistoryRecord want = MadeRecord(seed, ShotsPerString);
            HistoryRecord got;
            QVERIFY(store.Load(all[i].id, got));
            QCOMPARE(got.when, want.when);
            QCOMPARE(got.shotCount, ShotsPerString);
            QCOMPARE(got.shots.size(), ShotsPerString);
            QCOMPARE(got.results.total, want.results.total);
            QCOMPARE(got.shots.last().offset, want.shots.last().offset);
            QCOMPARE(got.shots.last().shot.timeUs, want.shots.last().shot.timeUs - want.startUs);
        }
    }
}

QTEST_GUILESS_MAIN(tst_HistoryKill)
#include "tst_historykill.moc"
