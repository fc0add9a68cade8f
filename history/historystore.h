// SPDX-License-Identifier: GPL-3.0-or-later
// HistoryStore: the training history in SQLite or PostgreSQL through Qt SQL, with its migrations.
#pragma once

#include "historylocation.h"
#include "historyrecord.h"

#include <QList>
#include <QString>
#include <QStringList>

class QSqlDatabase;
class QSqlQuery;

// Which stored strings a listing returns; empty fields do not filter.
struct HistoryFilter
{
    QString drill;
    QString target;
    bool plainGamesOnly = false; // drill must be empty
};

// One connection of its own: a store belongs to the thread that opened it.
class HistoryStore
{
public:
    // The newest schema this code writes.
    static constexpr int LatestSchema = 2;

    HistoryStore();
    ~HistoryStore();
    HistoryStore(const HistoryStore &) = delete;
    HistoryStore &operator=(const HistoryStore &) = delete;

    // Opens (SQLite: creates) the database and brings its schema up to upToSchema.
    // False with ErrorString() when it cannot be opened, is damaged or is newer than this code.
    bool Open(const HistoryLocation &location, int upToSchema = LatestSchema);
    void Close();
    bool IsOpen() const;
    QString ErrorString() const { return error; }
    const HistoryLocation &Location() const { return location; }

    // The version recorded in schema_version (0: no schema yet, -1: not open).
    int SchemaVersion() const;

    // Stores the string and its shots in one transaction; sets record.id. Shot times are
    // stored relative to record.startUs.
    bool Store(HistoryRecord &record);

    // Strings, oldest first, without their shots (shotCount is set).
    QList<HistoryRecord> Strings(const HistoryFilter &filter = HistoryFilter()) const;
    // One string with its shots (startUs 0, shot times from the start); false when missing.
    bool Load(qint64 id, HistoryRecord &record) const;
    // The distinct drill and target names of all strings, sorted.
    QStringList Drills() const;
    QStringList Targets() const;

    // SQLite only: the result of PRAGMA integrity_check ("ok" when sound).
    QString IntegrityCheck() const;

private:
    QSqlDatabase Db() const;
    bool Fail(const QString &what, const QSqlQuery &query);
    bool Fail(const QString &what, const QString &detail);
    bool Exec(const QString &sql);
    bool Migrate(int upTo);
    QStringList MigrationSteps(int version) const;
    bool IsPostgres() const { return location.driver == QLatin1String("QPSQL"); }
    QStringList Distinct(const QString &column) const;

    QString connectionName;
    HistoryLocation location;
    QString error;
};
