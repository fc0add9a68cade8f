// SPDX-License-Identifier: GPL-3.0-or-later
// TargetRow: a row of the target list that owns the Target it carries.
#pragma once

#include <QListWidgetItem>

struct Target;

// Deletes its Target when the list goes away with the window; a removed target unlinks itself first.
class TargetRow : public QListWidgetItem
{
public:
    explicit TargetRow(Target *t);
    ~TargetRow() override;
};
