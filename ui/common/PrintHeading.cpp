#include "PrintHeading.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr int HeadingPadding = 16;  // as the table's cells have

} // namespace

QFont PrintFont()
{
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QString PrintSource(const QString& filePath, const QDateTime& readAt)
{
    if (!filePath.isEmpty())
        return QFileInfo(filePath).fileName();
    if (readAt.isValid())
        return QStringLiteral("read from the radio ") + readAt.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    return QStringLiteral("not saved");
}

QString PrintPageText(const PrintHeading& heading, int page, int pages)
{
    return QStringLiteral("printed %1, page %2 of %3")
        .arg(heading.Printed.toString(Qt::ISODate)).arg(page).arg(pages);
}

int PrintHeadingHeight(const QPainter& painter)
{
    return QFontMetrics(painter.font(), painter.device()).height() + HeadingPadding;
}

void DrawPrintHeading(QPainter& painter, const QRect& line, const PrintHeading& heading, int page, int pages)
{
    const QRect text = line.adjusted(0, HeadingPadding / 2, 0, 0);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop, heading.Title);
    painter.drawText(text, Qt::AlignRight | Qt::AlignTop, PrintPageText(heading, page, pages));
}
