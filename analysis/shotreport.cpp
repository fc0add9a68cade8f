// SPDX-License-Identifier: GPL-3.0-or-later
// ShotReport: painting the report's pages with the layout of ReportLayout.
#include "shotreport.h"

#include "groupfigures.h"
#include "groupstats.h"
#include "reportlayout.h"
#include "shotplotpainter.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <functional>

namespace {

constexpr int ImageDpi = 150;

// Paints every page of the report; newPage is called between pages.
void Paint(const ShotReport &r, QPainter &painter, const QSizeF &page, double lineHeight, bool paginate,
           const std::function<void()> &newPage)
{
    const ReportLayout::Layout layout = ReportLayout::Lay(page, lineHeight, r.plots.size(), r.rows.size(), paginate);
    QFont font = painter.font();
    font.setPixelSize(int(lineHeight * 0.65));
    for (int pageIndex = 0; pageIndex < layout.pages; ++pageIndex) {
        if (pageIndex > 0)
            newPage();
        painter.setPen(Qt::black);
        if (pageIndex == 0) {
            QFont big = font;
            big.setPixelSize(int(lineHeight * 1.1));
            big.setBold(true);
            painter.setFont(big);
            painter.drawText(layout.title, Qt::AlignLeft | Qt::AlignTop, r.title);
            painter.setFont(font);
            painter.drawText(layout.title, Qt::AlignLeft | Qt::AlignBottom, r.subtitle);
        }
        painter.setFont(font);
        for (int i = 0; i < layout.plots.size(); ++i) {
            if (layout.plots.at(i).page != pageIndex)
                continue;
            const ShotPlotData &data = r.plots.at(i);
            PaintShotPlot(painter, layout.plots.at(i).rect, data);
            painter.setPen(Qt::black);
            painter.drawRect(layout.plots.at(i).rect);
            QRectF line = layout.figures.at(i).rect;
            line.setHeight(lineHeight);
            painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, data.title);
            for (const FigureLine &f : GroupFigureLines(ComputeGroupStats(data), data.unit)) {
                line.translate(0, lineHeight);
                painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, f.first);
                painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, f.second);
            }
        }
        const auto drawRow = [&](const QRectF &rect, const QStringList &cells) {
            const double w = rect.width() / std::max(1, int(r.columns.size()));
            for (int c = 0; c < cells.size() && c < r.columns.size(); ++c)
                painter.drawText(QRectF(rect.left() + c * w, rect.top(), w, rect.height()),
                                 Qt::AlignLeft | Qt::AlignVCenter, cells.at(c));
        };
        QFont bold = font;
        bold.setBold(true);
        for (const ReportLayout::Placement &h : layout.tableHeaders) {
            if (h.page != pageIndex)
                continue;
            painter.setFont(bold);
            drawRow(h.rect, r.columns);
            painter.drawLine(h.rect.bottomLeft(), h.rect.bottomRight());
        }
        painter.setFont(font);
        for (int i = 0; i < layout.rows.size(); ++i)
            if (layout.rows.at(i).page == pageIndex)
                drawRow(layout.rows.at(i).rect, r.rows.at(i));
    }
}

} // namespace

bool ShotReport::WritePdf(const QString &fileName) const
{
    // Written into memory first, so that a failure leaves no half-written file behind.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(300);
        writer.setTitle(title);
        QPainter painter(&writer);
        if (!painter.isActive())
            return false;
        const QSizeF page(writer.width(), writer.height());
        Paint(*this, painter, page, page.width() / 40, true, [&writer] { writer.newPage(); });
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(buffer.data()) != buffer.data().size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QImage ShotReport::RenderImage() const
{
    const QSizeF mm = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const QSizeF page(mm.width() / 25.4 * ImageDpi, mm.height() / 25.4 * ImageDpi);
    const double lineHeight = page.width() / 40;
    const ReportLayout::Layout layout = ReportLayout::Lay(page, lineHeight, plots.size(), rows.size(), false);
    QImage image(QSize(int(page.width()), int(layout.pageHeight)), QImage::Format_RGB32);
    image.setDotsPerMeterX(int(ImageDpi / 0.0254));
    image.setDotsPerMeterY(int(ImageDpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    Paint(*this, painter, page, lineHeight, false, [] {});
    return image;
}

bool ShotReport::WritePng(const QString &fileName) const
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!RenderImage().save(&file, "PNG")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
