// SPDX-License-Identifier: GPL-3.0-or-later
// The shot plot of a stored string.
#pragma once

#include "analysis/shotplotdata.h"
#include "historyrecord.h"

// The offsets and scores of the record's shots (loaded with them) in the unit of its first shot;
// shots in another unit are left out. The title names the time, drill or project and target.
ShotPlotData HistoryPlotData(const HistoryRecord &record);
