#include "ChannelPrint.h"

#include "base/languagestr.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

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

// The factor (at most 1) that fits the table into `pageWidth` pixels, its
// left margin and one-pixel closing rule included.
qreal TableScale(const QFontMetrics& metrics, int pageWidth)
{
    int width = PrintMargin + 1;
    for (int column = 0; column < ChannelTable::ColumnCount; ++column)
        width += CellSize(metrics, column).width();
    return std::min<qreal>(1.0, qreal(pageWidth) / width);
}

} // namespace

QFont ChannelPrintFont()
{
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

int DrawChannelTable(QPainter& painter, const ChannelTable& table, int rows, QSize page,
                     const std::function<void()>& newPage)
{
    const QFontMetrics metrics(painter.font(), painter.device());
    // Drawn in unscaled pixels; the page is as many of them as fit.
    const qreal scale = TableScale(metrics, page.width());
    const int pageHeight = int(page.height() / scale);
    painter.save();
    painter.scale(scale, scale);
    painter.setPen(Qt::black);
    int pages = 1;
    int y = PrintMargin;
    for (int row = 0; row < rows; ++row) {
        const QColor& fill = row == 0 ? HeaderFill : RowFill;
        int x = PrintMargin;
        int rowHeight = 46;
        for (int column = 0; column < ChannelTable::ColumnCount; ++column) {
            const QSize size = CellSize(metrics, column);
            DrawCell(painter, QRect(QPoint(x, y), size), fill, table.Text(row, column));
            x += size.width();
            rowHeight = size.height();
        }
        painter.drawLine(x, y + rowHeight, x, y);
        y += rowHeight;
        // The row that reaches the reserve is already whole on this page.
        if (y >= pageHeight - PrintBottomReserve && row + 1 < rows) {
            newPage();
            ++pages;
            y = PrintMargin;
        }
    }
    painter.restore();
    return pages;
}

bool PrintChannelTable(const ChannelTable& table, int rows, const QString& title, QPrinter& printer)
{
    printer.setDocName(title);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setFont(ChannelPrintFont());
    DrawChannelTable(painter, table, rows, QSize(printer.width(), printer.height()),
                     [&printer] { printer.newPage(); });
    return painter.end();
}
