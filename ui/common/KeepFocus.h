#pragma once
// The keyboard focus stays where the user left it: a message box, a dialog
// or a transfer that disables the focused control lets Qt move the focus
// elsewhere (often to the main window's tool bar), where a keyboard or
// screen reader user would have to find their place again.
//
//     {
//         const KeepFocus keep;   // before the box, dialog or transfer
//         box.exec();
//     }                           // the focus is back here
#include <QPointer>
#include <QWidget>

class QDialog;

// Gives the focus back to the widget that had it when the guard was made,
// as the guard goes, if that widget still exists, is visible and enabled.
class KeepFocus {
public:
    KeepFocus();
    ~KeepFocus();
    KeepFocus(const KeepFocus&) = delete;
    KeepFocus& operator=(const KeepFocus&) = delete;

private:
    QPointer<QWidget> widget_;
};

// For a dialog whose exec() lies elsewhere: the focus the program had when
// the dialog was made comes back as soon as the dialog is done (before its
// caller acts on the answer, which may move the focus on purpose).
void ReturnFocusWhenDone(QDialog* dialog);
