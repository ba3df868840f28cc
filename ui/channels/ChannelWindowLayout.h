#pragma once
// Where the channel window's controls lie: the title strip on top, the grid
// panel below it taking what the strip and the button row leave, and along
// the bottom the progress caption and bar, the six buttons and the size
// grip. The grid's columns are as wide as their titles + 5, a choice column
// at least as wide as its list needs for its longest item; hidden columns
// take no room.
#include <QSize>

class ChannelGridView;
class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QSizeGrip;

struct ChannelWindowControls {
    QFrame* Panel;
    ChannelGridView* Grid;
    QLabel* Caption;
    QProgressBar* Progress;
    QPushButton* Buttons[6];
    QSizeGrip* Grip;
};

// The grid inside its panel, and the panel's bevel width.
inline constexpr int ChannelPanelBevel = 3;

// Sizes the grid's columns (all of them, or without the hidden ones) and
// returns the width of a window that shows them all.
int SizeChannelColumns(ChannelGridView* grid, bool allShown);

// The smallest window that still shows every button and a few rows, and the
// height of the designed window.
QSize ChannelWindowMinimumSize(const ChannelGridView* grid);
int ChannelWindowDesignedHeight();

void LayOutChannelWindow(const ChannelWindowControls& controls, QSize size);
