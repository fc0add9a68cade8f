// SPDX-License-Identifier: GPL-3.0-or-later
// ShotReport: a session's plots, figures and shots with their times, written as PDF or PNG.
#pragma once

#include "shotplotdata.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

struct ShotReport
{
    QString title;
    QString subtitle;
    QList<ShotPlotData> plots;
    // Column heads and rows of the table of shots (number, time, target, score ...).
    QStringList columns;
    QList<QStringList> rows;

    // One or more A4 pages through Qt's PDF writer. False when the file cannot be written.
    bool WritePdf(const QString &fileName) const;
    // One A4-wide image at 150 dpi, as tall as its content needs.
    QImage RenderImage() const;
    // The image as PNG, replacing the file only when completely written.
    bool WritePng(const QString &fileName) const;
};
