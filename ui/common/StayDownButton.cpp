#include "StayDownButton.h"

#include "Accessibility.h"

StayDownButton::StayDownButton(QWidget* parent) : QToolButton(parent)
{
    // Before anything asks for the button's interface, which Qt then keeps.
    InstallSpokenNames();
}
