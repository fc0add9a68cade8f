// SPDX-License-Identifier: GPL-3.0-or-later
// DrillCatalog: the shipped drills and the user's own drill files, with the files refused.
#pragma once

#include "drill.h"

#include <QCoreApplication>
#include <QStringList>
#include <QVector>

class DrillCatalog
{
    Q_DECLARE_TR_FUNCTIONS(DrillCatalog)

public:
    struct Entry
    {
        Drill drill;
        bool shipped = false;
    };

    // Folder of the shipped drills (a resource folder).
    static QString ShippedFolder();
    // The user's drill folder: the application data folder plus "/drills".
    static QString UserFolder();

    // Reads every *.json of the shipped folder, then of userFolder (empty: none), each in name
    // order. A file that is no valid drill is left out; Problems() says which and why.
    void Load(const QString &userFolder);
    const QVector<Entry> &Entries() const { return entries; }
    // One line per refused file: "<file name>: <problem>".
    const QStringList &Problems() const { return problems; }

private:
    void LoadFolder(const QString &folder, bool shipped);

    QVector<Entry> entries;
    QStringList problems;
};
