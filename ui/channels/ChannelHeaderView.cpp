#include "ChannelHeaderView.h"

#include "ChannelGridDelegate.h"

#include <QPainter>

ChannelHeaderView::ChannelHeaderView(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionResizeMode(QHeaderView::Fixed);
    setSectionsClickable(false);
    setHighlightSections(false);
}

void ChannelHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    painter->save();
    painter->fillRect(rect, ChannelGridDelegate::HeaderColor);
    painter->setPen(palette().color(QPalette::Mid));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->setPen(ChannelGridDelegate::TextColorOf(0, logicalIndex));
    const QString title = model()->headerData(logicalIndex, Qt::Horizontal).toString();
    painter->drawText(rect.adjusted(1, 2, -1, 0), Qt::AlignHCenter | Qt::AlignTop, title);
    painter->restore();
}
