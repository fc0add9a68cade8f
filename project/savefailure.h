// SPDX-License-Identifier: GPL-3.0-or-later
// SaveFailure: the reason a save wrote nothing, in words a user can act on.
#pragma once

#include <QCoreApplication>
#include <QString>

class QFileDevice;

class SaveFailure
{
    Q_DECLARE_TR_FUNCTIONS(SaveFailure)

public:
    // The device's own error text when it has one. A short write (the disk filled up, a file
    // size limit) leaves Qt without a reason; then a full disk is named when the folder of
    // `fileName` has less room than `needed` bytes, else the write as cut short.
    static QString Reason(const QFileDevice &file, const QString &fileName, qint64 needed);
};
