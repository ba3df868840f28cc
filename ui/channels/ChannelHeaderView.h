#pragma once
// The grid's header row, drawn like its cells: filled with the header
// colour, the titles exactly as written (blanks included), centred near the
// top, in the cells' text colours. The first title stays at the left edge
// while the grid is scrolled to the right, as its column does.
#include <QHeaderView>

class ChannelHeaderView : public QHeaderView {
    Q_OBJECT
public:
    explicit ChannelHeaderView(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};
