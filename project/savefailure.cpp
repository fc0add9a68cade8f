// SPDX-License-Identifier: GPL-3.0-or-later
// SaveFailure: telling a full disk and a cut-short write from the device's own errors.
#include "savefailure.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

QString SaveFailure::Reason(const QFileDevice &file, const QString &fileName, qint64 needed)
{
    const QString reason = file.errorString();
    // A device that never failed reports the same placeholder as this fresh one.
    if (!reason.isEmpty() && reason != QFile().errorString())
        return reason;
    const QStorageInfo storage(QFileInfo(fileName).absolutePath());
    if (storage.isValid() && storage.bytesAvailable() < needed)
        return tr("Datenträger voll");
    return tr("die Datei ließ sich nicht vollständig schreiben");
}
