// SPDX-License-Identifier: GPL-3.0-or-later
// ReportLayout: the session report's blocks flowed down the pages.
#include "reportlayout.h"

#include <algorithm>

namespace ReportLayout {

namespace {

// Flows blocks down the pages: a block that does not fit below the last one starts a new page.
class Flow
{
public:
    Flow(const QSizeF &page, double margin, bool paginate)
        : page(page), margin(margin), paginate(paginate), y(margin) {}

    // True when the block started a new page.
    bool Place(double height, Placement *placed)
    {
        bool fresh = false;
        if (paginate && y + height > page.height() - margin && y > margin) {
            ++pageIndex;
            y = margin;
            fresh = true;
        }
        placed->page = pageIndex;
        placed->rect = QRectF(margin, y, page.width() - 2 * margin, height);
        y += height;
        return fresh;
    }
    void Skip(double height) { y += height; }
    int Pages() const { return pageIndex + 1; }
    double Bottom() const { return y; }

private:
    QSizeF page;
    double margin;
    bool paginate;
    double y;
    int pageIndex = 0;
};

} // namespace

Layout Lay(const QSizeF &page, double lineHeight, int plotCount, int rowCount, bool paginate)
{
    Layout out;
    const double margin = page.width() / 15;
    Flow flow(page, margin, paginate);
    Placement title;
    flow.Place(3 * lineHeight, &title);
    out.title = title.rect;

    const double textWidth = page.width() - 2 * margin;
    // A plot never grows taller than the room on a page.
    const double side = std::min(textWidth / 2, page.height() - 2 * margin - 4 * lineHeight);
    for (int i = 0; i < plotCount; ++i) {
        Placement block;
        flow.Place(side + lineHeight, &block);
        Placement plot{block.page, QRectF(block.rect.topLeft(), QSizeF(side, side))};
        Placement figures{block.page, QRectF(block.rect.left() + side + lineHeight, block.rect.top(),
                                             textWidth - side - lineHeight, side)};
        out.plots << plot;
        out.figures << figures;
    }

    if (rowCount > 0) {
        Placement header;
        // The header keeps at least one row with it.
        flow.Place(lineHeight, &header);
        if (paginate && header.rect.bottom() + lineHeight > page.height() - margin) {
            flow.Skip(page.height()); // forces the next block onto a new page
            flow.Place(lineHeight, &header);
        }
        out.tableHeaders << header;
        for (int i = 0; i < rowCount; ++i) {
            Placement row;
            if (flow.Place(lineHeight, &row)) {
                Placement repeated{row.page, row.rect};
                out.tableHeaders << repeated;
                flow.Place(lineHeight, &row);
            }
            out.rows << row;
        }
    }
    out.pages = flow.Pages();
    out.pageHeight = paginate ? page.height() : std::max(page.height(), flow.Bottom() + margin);
    return out;
}

} // namespace ReportLayout
