// SPDX-License-Identifier: GPL-3.0-or-later
// HistorySessionsModel: the stored strings as rows of a table, newest first.
#pragma once

#include "historyrecord.h"

#include <QAbstractTableModel>
#include <QList>

class HistorySessionsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { When, Project, Drill, Target, Shots, Total, HitFactor, FirstShot, Group, ColumnCount };

    explicit HistorySessionsModel(QObject *parent = nullptr);

    // The strings as the store lists them (oldest first); shown newest first.
    void SetStrings(const QList<HistoryRecord> &strings);
    // The string of a row (null past the end).
    const HistoryRecord *StringAt(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<HistoryRecord> strings; // newest first
};
