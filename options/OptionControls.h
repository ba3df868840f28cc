#pragma once
// The fourteen option controls of the options window, as data: captions,
// item lists, design values and where each lives in the radio's option frame.
// The window builds its widgets from this table; the frame mapping, the option
// file and the command line work on it without any widget.
#include <QString>
#include <QStringList>
#include <array>

// Design order of the controls: the order of the option file's lines.
enum class OptionSlot : int {
    CurrentChannel,
    Ctcss,
    Dcs,
    Repeater,         // hidden
    Backlight,        // backlight level
    Volume,
    Squelch,          // squelch level
    PriorityScan,     // priority channel scan, hidden
    PreAlert,         // time-out pre-alert, hidden
    TimeOutTimer,
    BeepVolume,
    CeilingMounting,  // display turned for ceiling mounting
    KeyLock,
    HighPower,        // high transmit power, hidden
};
inline constexpr int OptionSlotCount = 14;

struct OptionControl {
    QString name;        // the control's object name in the options window
    QString caption;     // the label beside it
    QStringList items;   // empty for a check box
    int designValue;     // item index, or 0 / 1 for a check box
    int frameOffset;     // byte of the option frame (0 = 0E20h)
    int frameBias;       // added to the item index in the frame (current channel: 1)
    bool hidden;         // never shown, but read, written and saved
    bool isCheckBox() const { return items.isEmpty(); }
};

// The controls in design order; index with OptionSlot.
const std::array<OptionControl, OptionSlotCount>& OptionControls();
const OptionControl& OptionControlAt(OptionSlot slot);

// Selections of the fourteen controls: a list holds its item index (-1 when
// nothing is selected), a check box 1 when ticked and 0 when not.
struct OptionValues {
    std::array<int, OptionSlotCount> at{};
    int& operator[](OptionSlot s) { return at[static_cast<int>(s)]; }
    int operator[](OptionSlot s) const { return at[static_cast<int>(s)]; }
    bool operator==(const OptionValues&) const = default;
};

// What a freshly opened options window shows.
OptionValues DesignOptionValues();

// Default button: the lists it resets, the rest kept as they are.
OptionValues DefaultOptionValues(const OptionValues& current);
