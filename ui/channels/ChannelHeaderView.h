#pragma once
// The grid's header row, drawn like its cells: filled with the header
// colour, the titles exactly as written (blanks included), centred near the
// top, in the cells' text colours.
#include <QHeaderView>

class ChannelHeaderView : public QHeaderView {
    Q_OBJECT
public:
    explicit ChannelHeaderView(QWidget* parent = nullptr);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};
