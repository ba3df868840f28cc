#include "OptionControls.h"

namespace {

// first .. last as decimal texts, after the given leading items.
QStringList Numbered(QStringList lead, int first, int last)
{
    for (int n = first; n <= last; ++n)
        lead << QString::number(n);
    return lead;
}

QStringList TimeOutItems()
{
    QStringList items{QStringLiteral("0ff")};  // a zero, as designed
    for (int seconds = 15; seconds <= 180; seconds += 15)
        items << QString::number(seconds) + QLatin1Char('S');
    return items;
}

QStringList BeepItems()
{
    QStringList items{QStringLiteral("b0(off)")};
    for (int n = 1; n <= 8; ++n)
        items << QStringLiteral("b%1").arg(n);
    items << QString();  // the designed tenth item is empty
    return items;
}

std::array<OptionControl, OptionSlotCount> BuildControls()
{
    const QString off = QStringLiteral("Off");
    return {{
        {"ComboBox1", "The Current Channel", Numbered({}, 1, 99), 0, 0x0, 1, false},
        {"ComboBox2", "CTCSS", Numbered({off}, 1, 50), 0, 0x1, 0, false},
        {"ComboBox3", "DCS", Numbered({off}, 1, 104), 1, 0x2, 0, false},
        {"ComboBox5", "Repearte", Numbered({off}, 1, 8), 0, 0x5, 0, true},
        {"ComboBox8", "Backlighting Level", Numbered({}, 0, 5), 5, 0xA, 0, false},
        {"ComboBox7", "Volumecon", Numbered({}, 1, 15), 1, 0x9, 0, false},
        {"ComboBox4", "Ssquelch Leverl", Numbered({}, 0, 9), 4, 0x4, 0, false},
        {"ComboBox6", "Priority Channel Scan", Numbered({QStringLiteral("OFF")}, 1, 88), 0, 0x7, 0, true},
        {"ComboBox9", "TOT Pre-Alert(S):", TimeOutItems(), 12, 0xE, 0, true},
        {"ComboBox10", "Time Out Timer(S):", TimeOutItems(), 12, 0xD, 0, false},
        {"ComboBox11", "Beep Volumecon", BeepItems(), 4, 0x6, 0, false},
        {"CheckBox4", "LCD Ceiling Mounting", {}, 0, 0xC, 0, false},
        {"CheckBox6", "Locking Key", {}, 0, 0xB, 0, false},
        {"CheckBox1", "Hight TX Power ", {}, 0, 0x8, 0, true},
    }};
}

} // namespace

const std::array<OptionControl, OptionSlotCount>& OptionControls()
{
    static const std::array<OptionControl, OptionSlotCount> controls = BuildControls();
    return controls;
}

const OptionControl& OptionControlAt(OptionSlot slot)
{
    return OptionControls()[static_cast<int>(slot)];
}

OptionValues DesignOptionValues()
{
    OptionValues values;
    for (int i = 0; i < OptionSlotCount; ++i)
        values.at[i] = OptionControls()[i].designValue;
    return values;
}

OptionValues DefaultOptionValues(const OptionValues& current)
{
    OptionValues values = current;
    for (OptionSlot s : {OptionSlot::CurrentChannel, OptionSlot::Ctcss, OptionSlot::Squelch,
                         OptionSlot::Repeater, OptionSlot::PriorityScan, OptionSlot::Volume,
                         OptionSlot::Backlight})
        values[s] = 0;
    values[OptionSlot::Dcs] = 1;  // DCS "1"
    return values;
}
