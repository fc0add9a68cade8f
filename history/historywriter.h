// SPDX-License-Identifier: GPL-3.0-or-later
// HistoryWriter: stores finished strings on a thread of its own, so that the window never waits
// for the database.
#pragma once

#include "historylocation.h"
#include "historyrecord.h"

#include <QObject>
#include <QThread>

#include <memory>

class HistoryStore;

class HistoryWriter : public QObject
{
    Q_OBJECT

public:
    explicit HistoryWriter(const HistoryLocation &location, QObject *parent = nullptr);
    // Writes whatever is still queued, then ends the thread.
    ~HistoryWriter() override;

    // Queues the record and returns at once; Stored or Failed follows. A database that could
    // not be opened is tried again with every record.
    void Store(const HistoryRecord &record);
    // Blocks until every queued record is written or has failed.
    void WaitForIdle();

signals:
    void Stored(qint64 id);
    void Failed(const QString &message);

private:
    void StoreOnThread(HistoryRecord record);

    HistoryLocation location;
    QThread thread;
    QObject *worker = nullptr; // lives on `thread`; queued calls run through it
    std::unique_ptr<HistoryStore> store; // used on `thread` only
};
