#include "ChannelHeaderView.h"

#include "ChannelGridDelegate.h"

#include <QPainter>

ChannelHeaderView::ChannelHeaderView(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionResizeMode(QHeaderView::Fixed);
    setSectionsClickable(false);
    setHighlightSections(false);
}

void ChannelHeaderView::paintEvent(QPaintEvent* event)
{
    QHeaderView::paintEvent(event);
    if (offset() <= 0 || isSectionHidden(0))
        return;
    QPainter painter(viewport());
    paintSection(&painter, QRect(0, 0, sectionSize(0), height()), 0);
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
