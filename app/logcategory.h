// SPDX-License-Identifier: GPL-3.0-or-later
// The program's logging category for per-shot and per-frame details.
#pragma once

#include <QLoggingCategory>

// Quiet unless switched on, e.g. QT_LOGGING_RULES="fieldshot.debug=true": a shot or a frame
// must not write to stderr on its own. The fixed failure lines go to qDebug() as they always did.
Q_DECLARE_LOGGING_CATEGORY(lcFieldshot)
