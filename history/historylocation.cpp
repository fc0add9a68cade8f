// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the history's connection setting.
#include "historylocation.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

QString HistoryLocation::Describe() const
{
    if (driver == QLatin1String("QPSQL")) {
        QString s = QStringLiteral("postgresql://");
        if (!user.isEmpty())
            s += user + QLatin1Char('@');
        s += host.isEmpty() ? QStringLiteral("localhost") : host;
        if (port > 0)
            s += QLatin1Char(':') + QString::number(port);
        return s + QLatin1Char('/') + database;
    }
    return database;
}

HistoryLocation ParseHistoryUrl(const QString &text)
{
    HistoryLocation loc;
    const QString url = text.trimmed();
    if (url.isEmpty())
        return loc;
    if (url.startsWith(QLatin1String("postgresql://")) || url.startsWith(QLatin1String("postgres://"))) {
        const QUrl u(url, QUrl::StrictMode);
        const QString db = u.path().mid(1);
        if (!u.isValid() || db.isEmpty() || db.contains(QLatin1Char('/')))
            return loc;
        loc.driver = QStringLiteral("QPSQL");
        loc.database = db;
        loc.host = u.host();
        loc.port = u.port(-1);
        loc.user = u.userName();
        loc.password = u.password();
        return loc;
    }
    QString path = url;
    if (path.startsWith(QLatin1String("sqlite:"))) {
        path = path.mid(7);
        if (path.startsWith(QLatin1String("//")))
            path = path.mid(2);
    } else if (path.contains(QLatin1String("://"))) {
        return loc; // some other scheme
    }
    if (path.isEmpty())
        return loc;
    loc.driver = QStringLiteral("QSQLITE");
    loc.database = path;
    return loc;
}

QString HistoryDataFolder()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dir);
    return dir;
}

HistoryLocation DefaultHistoryLocation()
{
    const QByteArray env = qgetenv("FIELDSHOT_HISTORY_URL");
    if (!env.isEmpty())
        return ParseHistoryUrl(QString::fromLocal8Bit(env));
    const QString folder = HistoryDataFolder();
    const QString ini = folder + QStringLiteral("/history.ini");
    if (QFile::exists(ini)) {
        const QSettings settings(ini, QSettings::IniFormat);
        const QString url = settings.value(QStringLiteral("url")).toString();
        if (!url.isEmpty())
            return ParseHistoryUrl(url);
    }
    return ParseHistoryUrl(folder + QStringLiteral("/history.sqlite"));
}
