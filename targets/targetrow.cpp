// SPDX-License-Identifier: GPL-3.0-or-later
// TargetRow: a row of the target list that owns the Target it carries.
#include "targetrow.h"

#include "target.h"

TargetRow::TargetRow(Target *t)
{
    LinkRow(this, t);
}

TargetRow::~TargetRow()
{
    // The shape belongs to the scene, which deletes it on its own.
    delete TargetOfRow(this);
}
