#pragma once
// Chrome of the child windows inside the main window: no caption bar, a
// rounded outline, and a title strip that drags the window and closes it;
// and how windows fit the room they are given.
//
// A child window uses it like this (in its constructor and show handler):
//     auto* strip = new TitleStrip(this);          // Panel2 / Panel8
//     strip->ShowTitle(ModelName + languagestr::ParamTitleSuffix);
//     connect(strip, &TitleStrip::Image5Click, this, &TFormDova::Button6Click);
//     ...
//     setFixedSize(w, h);                          // the frame follows
//     RoundWindow(this, w, h);
// ShowChildForm (main_f.h) already strips the caption of the frame it makes.
#include <QLabel>
#include <QList>
#include <QPoint>
#include <QWidget>

class QComboBox;

// The frame a child window lives in: its QMdiSubWindow inside the main
// window, or the widget itself when it stands alone.
QWidget* ChildFrame(QWidget* child);

// Removes the caption bar and the sizing frame from the child's frame.
void StripCaptionStyle(QWidget* child);

// Clips the child's frame to a rounded rectangle from (0, 0) to (w + 1, h + 10)
// with corner ellipses 8 wide and 10 high, within the w x h window, and
// repaints it: the top corners are round.
void RoundWindow(QWidget* child, int w, int h);

// A child frame placed inside an area smaller than itself gives way: it
// shrinks to the room right of and below its place, never below its minimum
// size, and what still does not fit moves up and left, so that the whole
// window and every control in it can be reached.
void FitFrameInto(QWidget* frame, const QSize& area);

// The largest size a top-level window may take so that it fits the
// available area of its screen with the window manager's frame around it:
// the frame the window has, or before the window manager has framed it a
// generous title bar and border.
QSize RoomOnScreen(const QWidget* window);

// Long drop-down lists open as a scrolling list of about 20 items instead of
// a popup of the whole screen's height.
void ScrollLongList(QComboBox* list);

// A 1-pixel line around the child window, drawn over its contents, so that
// the window stands out against the background picture behind it.
void DrawWindowEdge(QWidget* child);

// Moves the child's frame while the left button alone (no other button, no
// Shift, Ctrl or Alt) drags one of the handles.
class DragWindow : public QObject {
public:
    DragWindow(QWidget* child, const QList<QWidget*>& handles);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* child_;
    QPoint grab_;  // mouse position inside the frame when the drag began
};

// The 36-pixel title strip across the top of a child window: Image4 (left
// end), Image3 (stretched middle), Image5 (right end, a close button) and the
// caption Label31 over them. Dragging Image3 or Label31 moves the window.
class TitleStrip : public QWidget {
    Q_OBJECT
public:
    static constexpr int StripHeight = 36;
    explicit TitleStrip(QWidget* child);

    // The caption, which is only a label: the window itself carries the
    // title too, as its title and (plain) accessible name.
    void ShowTitle(const QString& title);

    QLabel* Image4;
    QLabel* Image3;
    QLabel* Image5;
    QLabel* Label31;

signals:
    void Image5Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
