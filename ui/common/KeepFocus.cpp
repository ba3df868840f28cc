#include "KeepFocus.h"

#include <QApplication>
#include <QDialog>

namespace {

// A widget that has gone, or cannot take the focus now, is left alone: the
// focus then stays where Qt put it.
void GiveFocusBack(QWidget* widget)
{
    if (widget && widget->isVisible() && widget->isEnabled())
        widget->setFocus(Qt::OtherFocusReason);
}

} // namespace

KeepFocus::KeepFocus() : widget_(QApplication::focusWidget()) {}

KeepFocus::~KeepFocus()
{
    GiveFocusBack(widget_);
}

void ReturnFocusWhenDone(QDialog* dialog)
{
    const QPointer<QWidget> widget = QApplication::focusWidget();
    QObject::connect(dialog, &QDialog::finished, dialog, [widget] { GiveFocusBack(widget); });
}
