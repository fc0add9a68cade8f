// SPDX-License-Identifier: GPL-3.0-or-later
// Storing finished strings off the GUI thread.
#include "historywriter.h"

#include "historystore.h"

HistoryWriter::HistoryWriter(const HistoryLocation &where, QObject *parent)
    : QObject(parent), location(where)
{
    thread.setObjectName(QStringLiteral("history writer"));
    worker = new QObject;
    worker->moveToThread(&thread);
    connect(&thread, &QThread::finished, worker, &QObject::deleteLater);
    thread.start(QThread::LowPriority);
}

HistoryWriter::~HistoryWriter()
{
    WaitForIdle();
    // The store's connection belongs to the thread: close it there.
    QMetaObject::invokeMethod(worker, [this] { store.reset(); }, Qt::BlockingQueuedConnection);
    thread.quit();
    thread.wait();
}

void HistoryWriter::Store(const HistoryRecord &record)
{
    QMetaObject::invokeMethod(worker, [this, record] { StoreOnThread(record); }, Qt::QueuedConnection);
}

void HistoryWriter::WaitForIdle()
{
    // Queued calls run in order: once this one has run, so has every earlier record.
    QMetaObject::invokeMethod(worker, [] {}, Qt::BlockingQueuedConnection);
}

void HistoryWriter::StoreOnThread(HistoryRecord record)
{
    if (!store)
        store = std::make_unique<HistoryStore>();
    if (!store->IsOpen() && !store->Open(location)) {
        emit Failed(store->ErrorString());
        return;
    }
    if (store->Store(record)) {
        emit Stored(record.id);
        return;
    }
    // A server that went away and came back leaves a dead connection: one fresh try.
    const QString message = store->ErrorString();
    store->Close();
    if (store->Open(location) && store->Store(record))
        emit Stored(record.id);
    else
        emit Failed(message);
}
