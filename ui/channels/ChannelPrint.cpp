#include "ChannelPrint.h"

#include "base/languagestr.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <vector>

namespace {

const QColor HeaderFill(240, 248, 255);
const QColor RowFill(247, 255, 246);

// The cell size comes from the column's title, never from its texts.
QSize CellSize(const QFontMetrics& metrics, int column)
{
    const QString& title = languagestr::ColumnTitles[column];
    return {metrics.horizontalAdvance(title) + PrintCellPadding, metrics.height() + PrintCellPadding};
}

// One cell: fill, centred text from PrintTextTop, then its top, left and
// bottom edges (the next cell draws the edge between them).
void DrawCell(QPainter& painter, const QRect& cell, const QColor& fill, const QString& text)
{
    painter.fillRect(cell, fill);
    const QRect textBox(cell.left(), cell.top() + PrintTextTop, cell.width(),
                        cell.height() - PrintTextTop);
    painter.save();
    painter.setClipRect(cell);
    painter.drawText(textBox, Qt::AlignHCenter | Qt::AlignTop, text);
    painter.restore();
    const int right = cell.left() + cell.width();
    const int bottom = cell.top() + cell.height();
    painter.drawLine(right, cell.top(), cell.left(), cell.top());
    painter.drawLine(cell.left(), cell.top(), cell.left(), bottom);
    painter.drawLine(cell.left(), bottom, right, bottom);
}

int TableWidth(const QFontMetrics& metrics)
{
    int width = 0;
    for (int column = 0; column < ChannelTable::ColumnCount; ++column)
        width += CellSize(metrics, column).width();
    return width;
}

// The factor (at most 1) that fits the table into `pageWidth` pixels, its
// left margin and one-pixel closing rule included.
qreal TableScale(const QFontMetrics& metrics, int pageWidth)
{
    return std::min<qreal>(1.0, qreal(pageWidth) / (PrintMargin + TableWidth(metrics) + 1));
}

// One table row at `y`, closed by its right edge; returns its height.
int DrawRow(QPainter& painter, const QFontMetrics& metrics, const ChannelTable& table, int row, int y)
{
    const QColor& fill = row == 0 ? HeaderFill : RowFill;
    int x = PrintMargin;
    int rowHeight = 0;
    for (int column = 0; column < ChannelTable::ColumnCount; ++column) {
        const QSize size = CellSize(metrics, column);
        DrawCell(painter, QRect(QPoint(x, y), size), fill, table.Text(row, column));
        x += size.width();
        rowHeight = size.height();
    }
    painter.drawLine(x, y + rowHeight, x, y);
    return rowHeight;
}

// The channel rows first..end-1 of one page.
struct PageRows {
    int first, end;
};

// Each page holds the heading, the column header and then channel rows
// until one reaches the bottom reserve; that row is still whole on its page.
// A page holds at least one channel row, however short it is.
std::vector<PageRows> Paginate(int rows, int rowHeight, int pageHeight)
{
    const int top = PrintMargin + 2 * rowHeight;
    std::vector<PageRows> pages{{1, 1}};
    int y = top;
    for (int row = 1; row < rows; ++row) {
        if (y >= pageHeight - PrintBottomReserve && pages.back().end > pages.back().first) {
            pages.push_back({row, row});
            y = top;
        }
        y += rowHeight;
        pages.back().end = row + 1;
    }
    return pages;
}

} // namespace

int DrawChannelTable(QPainter& painter, const ChannelTable& table, int rows, QSize page,
                     const PrintHeading& heading, const std::function<void()>& newPage)
{
    const QFontMetrics metrics(painter.font(), painter.device());
    // Drawn in unscaled pixels; the page is as many of them as fit.
    const qreal scale = TableScale(metrics, page.width());
    const int rowHeight = CellSize(metrics, 0).height();
    const std::vector<PageRows> pages = Paginate(rows, rowHeight, int(page.height() / scale));
    const int tableWidth = TableWidth(metrics);
    painter.save();
    painter.scale(scale, scale);
    painter.setPen(Qt::black);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            newPage();
        DrawPrintHeading(painter, QRect(PrintMargin, PrintMargin, tableWidth, rowHeight), heading, int(p) + 1,
                         int(pages.size()));
        int y = PrintMargin + rowHeight;
        if (rows > 0)
            y += DrawRow(painter, metrics, table, 0, y);
        for (int row = pages[p].first; row < pages[p].end; ++row)
            y += DrawRow(painter, metrics, table, row, y);
    }
    painter.restore();
    return int(pages.size());
}

bool PrintChannelTable(const ChannelTable& table, int rows, const QString& title, const PrintHeading& heading,
                       QPrinter& printer)
{
    printer.setDocName(title);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setFont(PrintFont());
    DrawChannelTable(painter, table, rows, QSize(printer.width(), printer.height()), heading,
                     [&printer] { printer.newPage(); });
    return painter.end();
}
