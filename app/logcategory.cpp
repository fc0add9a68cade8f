// SPDX-License-Identifier: GPL-3.0-or-later
// The program's logging category: debug output off unless a logging rule switches it on.
#include "logcategory.h"

Q_LOGGING_CATEGORY(lcFieldshot, "fieldshot", QtInfoMsg)
