#include "SpokenList.h"

#include "Accessibility.h"

SpokenList::SpokenList(QWidget* parent) : QComboBox(parent)
{
    // Before anything asks for the list's interface, which Qt then keeps.
    InstallSpokenNames();
}
