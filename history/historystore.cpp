// SPDX-License-Identifier: GPL-3.0-or-later
// The training history's tables, migrations, writing and reading.
#include "historystore.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

QAtomicInt connectionCounter;

const char *const stringColumns =
    "id, shot_at, project, drill, game_type, string_index, shot_count, total, hit_factor, "
    "first_shot_us, par_passed, group_size, group_unit";

HistoryRecord StringFromQuery(const QSqlQuery &q, bool withTarget)
{
    HistoryRecord r;
    r.id = q.value(0).toLongLong();
    r.when = QDateTime::fromMSecsSinceEpoch(q.value(1).toLongLong(), Qt::UTC);
    r.project = q.value(2).toString();
    r.drill = q.value(3).toString();
    r.gameType = q.value(4).toInt();
    r.stringIndex = q.value(5).toInt();
    r.shotCount = q.value(6).toInt();
    r.results.total = q.value(7).toInt();
    r.results.hitFactor = q.value(8).toDouble();
    r.results.firstShotUs = q.value(9).toLongLong();
    r.results.parPassed = q.value(10).toInt();
    r.results.groupSize = q.value(11).toDouble();
    r.results.groupUnit = q.value(12).toString();
    if (withTarget)
        r.target = q.value(13).toString();
    return r;
}

// A null QString binds as SQL NULL; the text columns are NOT NULL.
QVariant Text(const QString &s)
{
    return s.isNull() ? QVariant(QStringLiteral("")) : QVariant(s);
}

} // namespace

HistoryStore::HistoryStore()
    : connectionName(QStringLiteral("fieldshot-history-%1").arg(connectionCounter.fetchAndAddRelaxed(1)))
{
}

HistoryStore::~HistoryStore()
{
    Close();
}

QSqlDatabase HistoryStore::Db() const
{
    return QSqlDatabase::database(connectionName, false);
}

bool HistoryStore::IsOpen() const
{
    return QSqlDatabase::contains(connectionName) && Db().isOpen();
}

void HistoryStore::Close()
{
    if (!QSqlDatabase::contains(connectionName))
        return;
    {
        QSqlDatabase db = Db();
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

bool HistoryStore::Fail(const QString &what, const QString &detail)
{
    error = detail.isEmpty() ? what : what + QStringLiteral(": ") + detail;
    return false;
}

bool HistoryStore::Fail(const QString &what, const QSqlQuery &query)
{
    return Fail(what, query.lastError().text());
}

bool HistoryStore::Exec(const QString &sql)
{
    QSqlQuery q(Db());
    if (!q.exec(sql))
        return Fail(sql.section(QLatin1Char(' '), 0, 2), q);
    return true;
}

bool HistoryStore::Open(const HistoryLocation &where, int upToSchema)
{
    Close();
    location = where;
    error.clear();
    if (!where.IsValid())
        return Fail(QStringLiteral("No valid history location"), QString());
    if (!QSqlDatabase::isDriverAvailable(where.driver))
        return Fail(QStringLiteral("Qt SQL driver %1 is not installed").arg(where.driver), QString());

    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(where.driver, connectionName);
        db.setDatabaseName(where.database);
        if (IsPostgres()) {
            if (!where.host.isEmpty())
                db.setHostName(where.host);
            if (where.port > 0)
                db.setPort(where.port);
            db.setUserName(where.user);
            db.setPassword(where.password);
            db.setConnectOptions(QStringLiteral("connect_timeout=5"));
        } else {
            QDir().mkpath(QFileInfo(where.database).absolutePath());
            // Another program (a second lane on the same disk) may hold the write lock briefly.
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        }
        ok = db.open();
        if (!ok)
            Fail(QStringLiteral("Cannot open %1").arg(where.Describe()), db.lastError().text());
    }
    if (ok && !IsPostgres()) {
        // A file that is not a database fails here, at its first read.
        QSqlQuery q(Db());
        if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !q.next())
            ok = Fail(QStringLiteral("Cannot use %1").arg(where.database), q);
        else if (q.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0)
            ok = Fail(QStringLiteral("Cannot switch %1 to WAL").arg(where.database), q.value(0).toString());
        // With WAL, NORMAL loses no committed string when the program dies; only a power cut
        // may take back the last ones.
        ok = ok && Exec(QStringLiteral("PRAGMA synchronous=NORMAL")) && Exec(QStringLiteral("PRAGMA foreign_keys=ON"));
        // A file damaged inside (a disk error, a copy cut short) would fail later, string by string.
        if (ok) {
            QSqlQuery check(Db());
            if (!check.exec(QStringLiteral("PRAGMA quick_check(1)")) || !check.next())
                ok = Fail(QStringLiteral("%1 is damaged").arg(where.database), check);
            else if (check.value(0).toString() != QLatin1String("ok"))
                ok = Fail(QStringLiteral("%1 is damaged").arg(where.database), check.value(0).toString());
        }
    }
    if (ok)
        ok = Migrate(upToSchema);
    if (!ok) {
        const QString message = error;
        Close();
        error = message;
    }
    return ok;
}

int HistoryStore::SchemaVersion() const
{
    if (!IsOpen())
        return -1;
    QSqlQuery q(Db());
    if (!q.exec(QStringLiteral("SELECT MAX(version) FROM schema_version")) || !q.next())
        return 0;
    return q.value(0).isNull() ? 0 : q.value(0).toInt();
}

bool HistoryStore::Migrate(int upTo)
{
    // Two lanes opening one database for the first time: the second waits for the first's
    // migration under the same lock, then finds the work done. SQLite takes its write lock at
    // BEGIN IMMEDIATE (a deferred transaction could not wait for it); PostgreSQL holds an
    // advisory lock to the end of the transaction.
    QSqlDatabase db = Db();
    const bool begun = IsPostgres() ? db.transaction() && Exec(QStringLiteral("SELECT pg_advisory_xact_lock(2027001)"))
                                    : Exec(QStringLiteral("BEGIN IMMEDIATE"));
    if (!begun) {
        const QString message = error.isEmpty() ? db.lastError().text() : error;
        if (IsPostgres())
            db.rollback();
        return Fail(QStringLiteral("Cannot begin the schema update"), message);
    }
    const auto rollback = [&] {
        const QString message = error;
        if (IsPostgres())
            db.rollback();
        else
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        error = message;
        return false;
    };
    if (!db.tables().contains(QStringLiteral("schema_version"))
        && !Exec(QStringLiteral("CREATE TABLE schema_version (version INTEGER NOT NULL)")))
        return rollback();
    const int current = SchemaVersion();
    if (current > LatestSchema) {
        Fail(QStringLiteral("The history database has schema %1; this program knows up to %2")
                 .arg(current)
                 .arg(LatestSchema),
             QString());
        return rollback();
    }
    for (int v = current + 1; v <= qMin(upTo, LatestSchema); ++v) {
        for (const QString &sql : MigrationSteps(v)) {
            if (!Exec(sql)) {
                Fail(QStringLiteral("Migration %1 failed").arg(v), error);
                return rollback();
            }
        }
    }
    const bool committed = IsPostgres() ? db.commit() : Exec(QStringLiteral("COMMIT"));
    if (!committed) {
        Fail(QStringLiteral("Cannot finish the schema update"), IsPostgres() ? db.lastError().text() : error);
        return rollback();
    }
    return true;
}

QStringList HistoryStore::MigrationSteps(int version) const
{
    QStringList steps;
    if (version == 1) {
        const QString id = IsPostgres() ? QStringLiteral("id BIGSERIAL PRIMARY KEY")
                                        : QStringLiteral("id INTEGER PRIMARY KEY AUTOINCREMENT");
        steps << QStringLiteral("CREATE TABLE strings (%1, shot_at BIGINT NOT NULL, project TEXT NOT NULL, "
                                "drill TEXT NOT NULL, game_type INTEGER NOT NULL, string_index INTEGER NOT NULL, "
                                "shot_count INTEGER NOT NULL, total INTEGER NOT NULL, "
                                "hit_factor DOUBLE PRECISION NOT NULL, first_shot_us BIGINT NOT NULL, "
                                "par_passed INTEGER NOT NULL, group_size DOUBLE PRECISION NOT NULL, "
                                "group_unit TEXT NOT NULL)")
                     .arg(id)
              << QStringLiteral("CREATE TABLE shots (string_id BIGINT NOT NULL REFERENCES strings(id) ON DELETE CASCADE, "
                                "seq INTEGER NOT NULL, time_us BIGINT NOT NULL, x DOUBLE PRECISION NOT NULL, "
                                "y DOUBLE PRECISION NOT NULL, cx DOUBLE PRECISION NOT NULL, "
                                "cy DOUBLE PRECISION NOT NULL, camera INTEGER NOT NULL, target TEXT NOT NULL, "
                                "score INTEGER NOT NULL, dx DOUBLE PRECISION NOT NULL, dy DOUBLE PRECISION NOT NULL, "
                                "unit TEXT NOT NULL, PRIMARY KEY (string_id, seq))");
    } else if (version == 2) {
        // The progress view filters by drill and target; the target is the one most shots went to.
        steps << QStringLiteral("ALTER TABLE strings ADD COLUMN target TEXT NOT NULL DEFAULT ''")
              << QStringLiteral("UPDATE strings SET target = COALESCE((SELECT s.target FROM shots s "
                                "WHERE s.string_id = strings.id AND s.target <> '' GROUP BY s.target "
                                "ORDER BY COUNT(*) DESC, MIN(s.seq) LIMIT 1), '')")
              << QStringLiteral("CREATE INDEX strings_by_drill_target ON strings (drill, target, shot_at)");
    }
    steps << QStringLiteral("INSERT INTO schema_version (version) VALUES (%1)").arg(version);
    return steps;
}

bool HistoryStore::Store(HistoryRecord &r)
{
    if (!IsOpen())
        return Fail(QStringLiteral("The history is not open"), QString());
    const bool withTarget = SchemaVersion() >= 2;
    QSqlDatabase db = Db();
    if (!db.transaction())
        return Fail(QStringLiteral("Cannot begin a transaction"), db.lastError().text());

    const auto abort = [&](const QString &what, const QSqlQuery &q) {
        Fail(what, q);
        db.rollback();
        return false;
    };
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO strings (shot_at, project, drill, game_type, string_index, shot_count, "
                             "total, hit_factor, first_shot_us, par_passed, group_size, group_unit%1) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?%2) RETURNING id")
                  .arg(withTarget ? QStringLiteral(", target") : QString(),
                       withTarget ? QStringLiteral(", ?") : QString()));
    q.addBindValue(r.when.toMSecsSinceEpoch());
    q.addBindValue(Text(r.project));
    q.addBindValue(Text(r.drill));
    q.addBindValue(r.gameType);
    q.addBindValue(r.stringIndex);
    q.addBindValue(r.shots.size());
    q.addBindValue(r.results.total);
    q.addBindValue(r.results.hitFactor);
    q.addBindValue(r.results.firstShotUs);
    q.addBindValue(r.results.parPassed);
    q.addBindValue(r.results.groupSize);
    q.addBindValue(Text(r.results.groupUnit));
    if (withTarget)
        q.addBindValue(Text(r.target));
    if (!q.exec() || !q.next())
        return abort(QStringLiteral("Cannot store the string"), q);
    const qint64 id = q.value(0).toLongLong();
    q.finish();

    QSqlQuery s(db);
    s.prepare(QStringLiteral("INSERT INTO shots (string_id, seq, time_us, x, y, cx, cy, camera, target, score, dx, dy, unit) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (int i = 0; i < r.shots.size(); ++i) {
        const HistoryShot &h = r.shots[i];
        s.addBindValue(id);
        s.addBindValue(i);
        s.addBindValue(h.shot.timeUs - r.startUs);
        s.addBindValue(h.shot.pos.x());
        s.addBindValue(h.shot.pos.y());
        s.addBindValue(h.shot.corrected.x());
        s.addBindValue(h.shot.corrected.y());
        s.addBindValue(h.shot.camera);
        s.addBindValue(Text(h.shot.target));
        s.addBindValue(h.shot.score);
        s.addBindValue(h.offset.x());
        s.addBindValue(h.offset.y());
        s.addBindValue(Text(h.unit));
        if (!s.exec())
            return abort(QStringLiteral("Cannot store shot %1").arg(i + 1), s);
    }
    if (!db.commit()) {
        Fail(QStringLiteral("Cannot commit the string"), db.lastError().text());
        db.rollback();
        return false;
    }
    r.id = id;
    r.shotCount = r.shots.size();
    return true;
}

QList<HistoryRecord> HistoryStore::Strings(const HistoryFilter &filter) const
{
    QList<HistoryRecord> list;
    if (!IsOpen())
        return list;
    const bool withTarget = SchemaVersion() >= 2;
    QStringList where;
    if (filter.plainGamesOnly)
        where << QStringLiteral("drill = ''");
    else if (!filter.drill.isEmpty())
        where << QStringLiteral("drill = ?");
    if (withTarget && !filter.target.isEmpty())
        where << QStringLiteral("target = ?");
    QSqlQuery q(Db());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1%2 FROM strings%3 ORDER BY shot_at, id")
                  .arg(QLatin1String(stringColumns), withTarget ? QStringLiteral(", target") : QString(),
                       where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "))));
    if (!filter.plainGamesOnly && !filter.drill.isEmpty())
        q.addBindValue(filter.drill);
    if (withTarget && !filter.target.isEmpty())
        q.addBindValue(filter.target);
    if (!q.exec())
        return list;
    while (q.next())
        list.append(StringFromQuery(q, withTarget));
    return list;
}

bool HistoryStore::Load(qint64 id, HistoryRecord &record) const
{
    if (!IsOpen())
        return false;
    const bool withTarget = SchemaVersion() >= 2;
    QSqlQuery q(Db());
    q.prepare(QStringLiteral("SELECT %1%2 FROM strings WHERE id = ?")
                  .arg(QLatin1String(stringColumns), withTarget ? QStringLiteral(", target") : QString()));
    q.addBindValue(id);
    if (!q.exec() || !q.next())
        return false;
    HistoryRecord r = StringFromQuery(q, withTarget);
    QSqlQuery s(Db());
    s.setForwardOnly(true);
    s.prepare(QStringLiteral("SELECT time_us, x, y, cx, cy, camera, target, score, dx, dy, unit FROM shots "
                             "WHERE string_id = ? ORDER BY seq"));
    s.addBindValue(id);
    if (!s.exec())
        return false;
    while (s.next()) {
        HistoryShot h;
        h.shot.timeUs = s.value(0).toLongLong();
        h.shot.pos = QPointF(s.value(1).toDouble(), s.value(2).toDouble());
        h.shot.corrected = QPointF(s.value(3).toDouble(), s.value(4).toDouble());
        h.shot.camera = s.value(5).toInt();
        h.shot.target = s.value(6).toString();
        h.shot.score = s.value(7).toInt();
        h.offset = QPointF(s.value(8).toDouble(), s.value(9).toDouble());
        h.unit = s.value(10).toString();
        r.shots.append(h);
    }
    record = r;
    return true;
}

QStringList HistoryStore::Distinct(const QString &column) const
{
    QStringList names;
    if (!IsOpen())
        return names;
    QSqlQuery q(Db());
    if (!q.exec(QStringLiteral("SELECT DISTINCT %1 FROM strings WHERE %1 <> '' ORDER BY %1").arg(column)))
        return names;
    while (q.next())
        names.append(q.value(0).toString());
    return names;
}

QStringList HistoryStore::Drills() const
{
    return Distinct(QStringLiteral("drill"));
}

QStringList HistoryStore::Targets() const
{
    return SchemaVersion() >= 2 ? Distinct(QStringLiteral("target")) : QStringList();
}

QString HistoryStore::IntegrityCheck() const
{
    if (!IsOpen() || IsPostgres())
        return QString();
    QSqlQuery q(Db());
    if (!q.exec(QStringLiteral("PRAGMA integrity_check")))
        return q.lastError().text();
    QStringList lines;
    while (q.next())
        lines.append(q.value(0).toString());
    return lines.join(QLatin1Char('\n'));
}
