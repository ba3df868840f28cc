#include "BoxTitle.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <algorithm>

namespace {

// The frame's title bar: the title in the caption font (bold, as most window
// managers draw it; on Windows this is the system's caption font), and room
// for the window's icon and three buttons, each about as wide as the bar is
// high, and one more for the gaps between them and a frame's font a little
// wider than ours (Wine under openbox needs all of it; Qt's own allowance of
// 50 pixels cut the title). Never more than half the screen: a picture
// file's title may be long.
int TitleBarWidth(const QMessageBox& box)
{
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const int bar = box.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &box);
    const int width = QFontMetrics(font).horizontalAdvance(box.windowTitle()) + 5 * bar;
    const QScreen* screen = box.screen();
    return screen ? std::min(width, screen->availableGeometry().width() / 2) : width;
}

} // namespace

// The box keeps its layout's minimum width: a spacer as wide as the title bar
// needs, in a row of its own below the buttons, holds it open. An empty row
// adds no spacing.
void FitBoxToTitle(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    const QMargins margins = grid->contentsMargins();
    const int inside = TitleBarWidth(box) - margins.left() - margins.right();
    grid->addItem(new QSpacerItem(inside, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}
