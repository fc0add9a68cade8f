// SPDX-License-Identifier: GPL-3.0-or-later
// ReportLayout: where the title, each target's plot and figures, and the rows of shots go on the pages
// of a session report.
#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>

namespace ReportLayout {

struct Placement
{
    int page = 0;
    QRectF rect;
};

struct Layout
{
    int pages = 1;
    double pageHeight = 0; // grows to hold everything when not paginated
    QRectF title;          // on page 0
    QList<Placement> plots;
    QList<Placement> figures; // beside each plot
    QList<Placement> tableHeaders; // one on each page the table reaches
    QList<Placement> rows;
};

// Lays out plotCount plots (a square of half the text width each, its figures to its right) below
// a three-line title, then a table of rowCount rows of one line each. Paginated, nothing crosses
// the bottom margin and the table's header repeats on every page it reaches; otherwise everything
// goes on one page whose height grows as needed. Margins are a fifteenth of the width.
Layout Lay(const QSizeF &page, double lineHeight, int plotCount, int rowCount, bool paginate);

} // namespace ReportLayout
