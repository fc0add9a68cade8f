// SPDX-License-Identifier: GPL-3.0-or-later
// DrillCatalog: finding and reading drill files.
#include "drillcatalog.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

// The shipped drills are compiled into the training library.
static void InitDrillResources()
{
    Q_INIT_RESOURCE(drills);
}

QString DrillCatalog::ShippedFolder()
{
    InitDrillResources();
    return QStringLiteral(":/training/drills");
}

QString DrillCatalog::UserFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/drills");
}

void DrillCatalog::Load(const QString &userFolder)
{
    entries.clear();
    problems.clear();
    LoadFolder(ShippedFolder(), true);
    if (!userFolder.isEmpty())
        LoadFolder(userFolder, false);
}

void DrillCatalog::LoadFolder(const QString &folder, bool shipped)
{
    const QDir dir(folder);
    const QFileInfoList files = dir.entryInfoList({QStringLiteral("*.json")}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QFileInfo &info : files) {
        Entry e;
        e.shipped = shipped;
        QString problem;
        if (DrillReader::ReadFile(info.filePath(), e.drill, &problem))
            entries << e;
        else
            problems << tr("%1: %2").arg(info.fileName(), problem);
    }
}
