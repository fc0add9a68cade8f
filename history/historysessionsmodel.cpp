// SPDX-License-Identifier: GPL-3.0-or-later
// The stored strings as rows of a table.
#include "historysessionsmodel.h"

#include <QFileInfo>
#include <QLocale>

#include <algorithm>

HistorySessionsModel::HistorySessionsModel(QObject *parent) : QAbstractTableModel(parent) {}

void HistorySessionsModel::SetStrings(const QList<HistoryRecord> &list)
{
    beginResetModel();
    strings = list;
    std::reverse(strings.begin(), strings.end());
    endResetModel();
}

const HistoryRecord *HistorySessionsModel::StringAt(int row) const
{
    return row >= 0 && row < strings.size() ? &strings[row] : nullptr;
}

int HistorySessionsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : strings.size();
}

int HistorySessionsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant HistorySessionsModel::data(const QModelIndex &index, int role) const
{
    const HistoryRecord *r = StringAt(index.row());
    if (!r)
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        return index.column() >= Shots ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    if (role != Qt::DisplayRole)
        return QVariant();
    const QLocale locale;
    const HistoryResults &x = r->results;
    const QString na = tr("n/a");
    switch (index.column()) {
    case When:
        return r->when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    case Project:
        return QFileInfo(r->project).fileName();
    case Drill:
        return r->drill.isEmpty() ? tr("Spiel") : tr("%1, Serie %2").arg(r->drill).arg(r->stringIndex + 1);
    case Target:
        return r->target;
    case Shots:
        return r->shotCount;
    case Total:
        return x.total;
    case HitFactor:
        return locale.toString(x.hitFactor, 'f', 2);
    case FirstShot:
        return x.firstShotUs < 0 ? na : locale.toString(x.firstShotUs / 1e6, 'f', 2);
    case Group:
        return x.groupSize < 0 ? na : locale.toString(x.groupSize, 'f', 1) + QLatin1Char(' ') + x.groupUnit;
    default:
        return QVariant();
    }
}

QVariant HistorySessionsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case When:
        return tr("Zeit");
    case Project:
        return tr("Projekt");
    case Drill:
        return tr("Übung");
    case Target:
        return tr("Ziel");
    case Shots:
        return tr("Schüsse");
    case Total:
        return tr("Punkte");
    case HitFactor:
        return tr("Hit-Faktor");
    case FirstShot:
        return tr("Erster Schuss (s)");
    case Group:
        return tr("Gruppe");
    default:
        return QVariant();
    }
}
