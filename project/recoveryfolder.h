// SPDX-License-Identifier: GPL-3.0-or-later
// RecoveryFolder: the set-ups that New and Open replaced, kept as project files, newest last.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

class RecoveryFolder
{
    Q_DECLARE_TR_FUNCTIONS(RecoveryFolder)

public:
    static constexpr int Kept = 20;

    explicit RecoveryFolder(QString path = DefaultPath());

    // "recovery" in the user's data folder for this program.
    static QString DefaultPath();

    // Writes one project file and drops the oldest beyond Kept. Returns the file's path, or an
    // empty string with ErrorString() saying why nothing was written.
    QString Write(const QByteArray &project);
    // Full paths, oldest first.
    QStringList Files() const;
    QString ErrorString() const { return error; }
    QString Path() const { return folder; }

private:
    QString folder;
    QString error;
};
