#pragma once
// The options in which two sets of selections differ, each named by its
// caption with both values as the window shows them, for the compare with
// the radio.
#include "OptionControls.h"
#include <QString>
#include <vector>

struct OptionDifference {
    OptionSlot Slot = OptionSlot::CurrentChannel;
    int Here = 0, There = 0;  // the selections in the first and the second set
};

// Every slot that differs, in design order.
std::vector<OptionDifference> DiffOptionValues(const OptionValues& here, const OptionValues& there);

// A list's item text ("none" without a selection), "On" or "Off" for a check box.
QString OptionValueText(OptionSlot slot, int value);
