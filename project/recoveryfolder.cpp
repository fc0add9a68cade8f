// SPDX-License-Identifier: GPL-3.0-or-later
// RecoveryFolder: numbered, time-stamped project files written safely, the oldest pruned.
#include "recoveryfolder.h"

#include "savefailure.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

RecoveryFolder::RecoveryFolder(QString path) : folder(std::move(path)) {}

QString RecoveryFolder::DefaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + QStringLiteral("/recovery");
}

QStringList RecoveryFolder::Files() const
{
    // Names start with a time stamp to the millisecond and a running number, so their order
    // is the order they were written in.
    const QDir dir(folder);
    QStringList out;
    for (const QString &name : dir.entryList({QStringLiteral("*.fsp")}, QDir::Files, QDir::Name))
        out << dir.filePath(name);
    return out;
}

QString RecoveryFolder::Write(const QByteArray &project)
{
    error.clear();
    if (!QDir().mkpath(folder)) {
        error = tr("Ordner %1 kann nicht angelegt werden").arg(folder);
        return {};
    }
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString path;
    for (int n = 1;; ++n) {
        path = QDir(folder).filePath(QStringLiteral("%1-%2.fsp").arg(stamp).arg(n, 2, 10, QLatin1Char('0')));
        if (!QFile::exists(path))
            break;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return {};
    }
    if (file.write(project) != project.size() || !file.flush()) {
        error = SaveFailure::Reason(file, path, project.size());
        file.cancelWriting();
        file.commit();
        return {};
    }
    if (!file.commit()) {
        error = file.errorString();
        return {};
    }
    const QStringList files = Files();
    for (int i = 0; i + Kept < files.size(); ++i)
        QFile::remove(files.at(i));
    return path;
}
