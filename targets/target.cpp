// SPDX-License-Identifier: GPL-3.0-or-later
// Target: the text of a target's list row and the link between row and record.
#include "target.h"

#include <QListWidgetItem>

QString TargetRowText(const QString &name, int score)
{
    const int padding = qMax(0, 15 - name.size());
    // One-pass arg(): a '%' in the user's name must not be taken for a placeholder.
    return QStringLiteral("%1%2:%3").arg(name, QString(padding, QLatin1Char(' ')), QString::number(score));
}

Target *TargetOfRow(const QListWidgetItem *row)
{
    if (!row)
        return nullptr;
    // The row keeps the address under the user role; zero or anything unreadable means none.
    bool ok = false;
    const quintptr address = row->data(Qt::UserRole).toULongLong(&ok);
    return ok ? reinterpret_cast<Target *>(address) : nullptr;
}

void LinkRow(QListWidgetItem *row, Target *t)
{
    row->setData(Qt::UserRole, QVariant::fromValue<quintptr>(reinterpret_cast<quintptr>(t)));
}
