#include "ChannelWindowLayout.h"

#include "ChannelGridView.h"
#include "ChannelListEditor.h"
#include "channels/ChannelColumns.h"
#include "ui/common/WindowChrome.h"

#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSizeGrip>
#include <QStyle>

namespace {

constexpr int RowHeight = 21;
constexpr int VisibleRows = 24;     // channel rows the grid shows at once
constexpr int PanelLeft = 12;
constexpr int PanelGap = 2;         // between the title strip and the grid panel
constexpr int GridTop = TitleStrip::StripHeight + PanelGap + ChannelPanelBevel;
constexpr int BottomStrip = 88 - GridTop;  // below the grid: its bevel and the button row
constexpr int MinimumRows = 4;              // the fewest channel rows a lowered window shows
constexpr int ButtonsLeft = 203;
constexpr int ButtonPitch = 80;
constexpr int ButtonWidth = 72;
constexpr int ButtonsRight = ButtonsLeft + 5 * ButtonPitch + ButtonWidth;
constexpr int GripSize = 16;
constexpr int GridLine = 1;         // a cell shows its column's width less the grid line
// How wide a choice cell's list is to show its longest item.
int ListWidth(const ChannelGridView* grid, int column)
{
    ChannelListEditor list(nullptr);
    list.setFont(grid->font());
    list.addItems(ChoiceItems(column));
    return list.sizeHint().width();
}

int ScrollBarWidth(const ChannelGridView* grid)
{
    return grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

} // namespace

int SizeChannelColumns(ChannelGridView* grid, bool allShown)
{
    const QFontMetrics metrics(grid->font());
    int shownWidth = 0;
    for (int column = 0; column < ChannelColumnCount; ++column) {
        const bool hidden = !allShown && HiddenByDefault(column);
        grid->setColumnHidden(column, hidden);
        if (hidden)
            continue;
        int width = metrics.horizontalAdvance(ColumnTitle(column)) + 5;
        if (IsChoiceColumn(column))
            width = qMax(width, ListWidth(grid, column) + GridLine);
        grid->setColumnWidth(column, width);
        shownWidth += width;
    }
    return shownWidth + ScrollBarWidth(grid) + 2 * ChannelPanelBevel + 2 * PanelLeft;
}

QSize ChannelWindowMinimumSize(const ChannelGridView* grid)
{
    return {ButtonsRight + PanelLeft + GripSize,
            GridTop + RowHeight * (MinimumRows + 1) + ScrollBarWidth(grid) + BottomStrip};
}

int ChannelWindowDesignedHeight()
{
    return GridTop + RowHeight * (VisibleRows + 1) + BottomStrip;
}

void LayOutChannelWindow(const ChannelWindowControls& controls, QSize size)
{
    const int w = size.width(), h = size.height();
    const QRect panel(PanelLeft, GridTop - ChannelPanelBevel, w - 2 * PanelLeft,
                      h - GridTop - BottomStrip + 2 * ChannelPanelBevel);
    controls.Panel->setGeometry(panel);
    controls.Grid->setGeometry(ChannelPanelBevel, ChannelPanelBevel, panel.width() - 2 * ChannelPanelBevel,
                               panel.height() - 2 * ChannelPanelBevel);
    const int middle = panel.bottom() + 1 + (h - panel.bottom() - 1) / 2;
    controls.Caption->setGeometry(21, middle - 10, 52, 20);
    controls.Progress->setGeometry(76, middle - 10, 120, 20);
    for (int i = 0; i < 6; ++i)
        controls.Buttons[i]->setGeometry(ButtonsLeft + ButtonPitch * i, middle - 13, ButtonWidth, 26);
    controls.Grip->setGeometry(w - GripSize, h - GripSize, GripSize, GripSize);
}
