#include "OptionDiff.h"

std::vector<OptionDifference> DiffOptionValues(const OptionValues& here, const OptionValues& there)
{
    std::vector<OptionDifference> differences;
    for (int i = 0; i < OptionSlotCount; ++i)
        if (here.at[i] != there.at[i])
            differences.push_back({OptionSlot(i), here.at[i], there.at[i]});
    return differences;
}

QString OptionValueText(OptionSlot slot, int value)
{
    const OptionControl& control = OptionControlAt(slot);
    if (control.isCheckBox())
        return value ? QStringLiteral("On") : QStringLiteral("Off");
    return value >= 0 && value < control.items.size() ? control.items.at(value).trimmed() : QStringLiteral("none");
}
