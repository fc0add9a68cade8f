// SPDX-License-Identifier: GPL-3.0-or-later
// The databases the history tests run against: a fresh SQLite file, or the PostgreSQL server
// named by FIELDSHOT_TEST_PGSQL_URL emptied of the history's tables.
#pragma once

#include "historylocation.h"
#include "historyrecord.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace HistoryTestDb {

inline QString PostgresUrl()
{
    return QString::fromLocal8Bit(qgetenv("FIELDSHOT_TEST_PGSQL_URL"));
}

// Drops the history's tables so that a case starts from an empty server database.
inline bool ResetPostgres(const HistoryLocation &loc)
{
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("history-test-reset"));
        db.setDatabaseName(loc.database);
        db.setHostName(loc.host);
        if (loc.port > 0)
            db.setPort(loc.port);
        db.setUserName(loc.user);
        db.setPassword(loc.password);
        ok = db.open()
             && QSqlQuery(db).exec(QStringLiteral("DROP TABLE IF EXISTS shots, strings, schema_version CASCADE"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("history-test-reset"));
    return ok;
}

// The location for backend "sqlite" (a file in dir) or "pgsql"; an invalid location (with the
// reason in *skip) when the backend is not available here.
inline HistoryLocation Fresh(const QString &backend, const QTemporaryDir &dir, QString *skip)
{
    if (backend == QLatin1String("sqlite"))
        return ParseHistoryUrl(dir.filePath(QStringLiteral("history.sqlite")));
    const QString url = PostgresUrl();
    if (url.isEmpty()) {
        *skip = QStringLiteral("FIELDSHOT_TEST_PGSQL_URL is not set");
        return HistoryLocation();
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        *skip = QStringLiteral("the QPSQL driver is not installed");
        return HistoryLocation();
    }
    const HistoryLocation loc = ParseHistoryUrl(url);
    if (!ResetPostgres(loc))
        *skip = QStringLiteral("cannot reach ") + loc.Describe();
    return skip->isEmpty() ? loc : HistoryLocation();
}

// A string of `count` shots whose every value follows from `seed`, so that a reader can tell a
// whole string from a damaged one.
inline HistoryRecord MadeRecord(int seed, int count)
{
    HistoryRecord r;
    r.when = QDateTime::fromMSecsSinceEpoch(1700000000000LL + qint64(seed) * 60000, Qt::UTC);
    r.project = QStringLiteral("/home/club/lane %1.fsp").arg(seed % 3);
    r.drill = seed % 2 ? QStringLiteral("Bill drill") : QString();
    r.gameType = seed % 2;
    r.stringIndex = seed % 5;
    r.startUs = 5000000000LL + seed;
    for (int i = 0; i < count; ++i) {
        HistoryShot s;
        s.shot.timeUs = r.startUs + 400000 + i * 250000 + seed;
        s.shot.pos = QPointF(100 + seed + i * 0.25, 200 - i * 0.5);
        s.shot.corrected = QPointF(500 + i, 480 - i);
        s.shot.camera = i % 4;
        s.shot.target = i % 3 == 2 ? QString() : QStringLiteral("Scheibe %1").arg(1 + (seed + i) % 2);
        s.shot.score = (seed + i) % 11;
        s.offset = QPointF(i * 1.5 - 3, seed % 7 - i * 0.75);
        s.unit = QStringLiteral("mm");
        r.shots.append(s);
    }
    r.results = ComputeHistoryResults(r.shots, r.startUs);
    r.target = MainTargetOf(r.shots);
    return r;
}

} // namespace HistoryTestDb
