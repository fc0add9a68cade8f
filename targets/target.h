// SPDX-License-Identifier: GPL-3.0-or-later
// Target: one area drawn over the camera picture, with its role, score and list row.
#pragma once

#include <QString>

class QAbstractGraphicsShapeItem;
class QListWidgetItem;

// The role of a target; stored as its integer value in project files.
enum class TargetType : int {
    Target = 0,
    StartButton = 1,
    IgnoreArea = 2,
    CorrectedRings = 3,
};

// What a left click in the scene draws on the Targets page; the main window's addMode.
namespace AddMode {
enum : int {
    Rect = 0,
    Circle = 1,
    Polygon = 2,
    None = 3,
};
}

// Owned by the main window through its list row, together with its shape item.
struct Target
{
    QAbstractGraphicsShapeItem *item = nullptr; // position stays (0, 0): points are scene coordinates
    int score = 1;
    QString name;
    QListWidgetItem *listItem = nullptr;
    int type = int(TargetType::Target);
    int hits = 0; // scored hits in the current game, never saved
};

// The list row text: the name padded with spaces to 15 characters, a colon and the score.
QString TargetRowText(const QString &name, int score);

// The Target a list row carries (none for a row whose link was cleared), and setting that link.
Target *TargetOfRow(const QListWidgetItem *row);
void LinkRow(QListWidgetItem *row, Target *t);
