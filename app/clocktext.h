// SPDX-License-Identifier: GPL-3.0-or-later
// Game clock text: elapsed milliseconds as seconds and hundredths.
#pragma once

#include <QString>

// "%1,%2s": whole seconds, comma, hundredths rounded to the nearest; no minutes.
QString GameClockText(qint64 elapsedMs);
