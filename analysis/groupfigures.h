// SPDX-License-Identifier: GPL-3.0-or-later
// Group figures as the user reads them: a label and a value with its unit, "n/a" where missing.
#pragma once

#include "groupstats.h"

#include <QList>
#include <QPair>
#include <QString>

using FigureLine = QPair<QString, QString>;

// Shots, mean point of impact (right/left, high/low of the aim point), extreme spread, mean radius,
// horizontal and vertical standard deviation; lengths with one decimal and the unit.
QList<FigureLine> GroupFigureLines(const GroupStats &stats, const QString &unit);

// A length with one decimal and its unit ("12.5 mm", "3.0 %"), or "n/a".
QString LengthText(const std::optional<double> &value, const QString &unit);
