#pragma once
// The editor of a choice cell (tones, power, bandwidth, ...): the column's
// list laid over the cell, open as soon as the cell is current. Until the
// user types, drops the list down (Alt+Down, F4, a click on its arrow) or
// presses F2 or Enter, it only shows the value: the arrows, Page Up/Down,
// Home and End move the current cell, the row keys (Ctrl+C, Del, ...) act
// on the rows and the wheel scrolls the grid. From then on the keys are
// the list's and its text's; Escape puts back the cell's text, Enter takes
// the text. A choice from the dropped-down list is taken at once.
#include "ui/common/SpokenList.h"

class ChannelListEditor : public SpokenList {
    Q_OBJECT
public:
    explicit ChannelListEditor(QWidget* parent);

    // Shows the cell's text: the item equal to it ignoring case, or the
    // first. Ends any edit in progress.
    void ShowCellText(const QString& text);
    // Whether the user has changed the value since it was last shown or
    // taken; asking takes it (the next call says false).
    bool TakeChange();
    bool Engaged() const { return engaged_; }

    void showPopup() override;
    // The list closed without a choice (Escape, a click elsewhere) puts
    // back the cell's text, and the arrows move the cell again.
    void hidePopup() override;

signals:
    // The value is to go into the cell now (a choice, or Enter).
    void Take();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool IsRowKey(const QKeyEvent* key) const;
    static bool MovesTheCell(const QKeyEvent* key);
    void Engage();

    QString shown_;          // the cell's text as last shown
    bool engaged_ = false;   // the keys are the list's
    bool changed_ = false;
    bool dropped_ = false;   // the list is down
};
