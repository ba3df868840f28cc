#pragma once
// The radio's 16-byte option frame (radio addresses 0E20h-0E2Fh) and the
// option controls' selections, both ways.
//
//  offset  address  slot             value
//   0      0E20h    CurrentChannel   item index + 1
//   1      0E21h    Ctcss            item index
//   2      0E22h    Dcs              item index
//   3      0E23h    -                00h written, ignored when read
//   4      0E24h    Squelch          item index
//   5      0E25h    Repeater         item index
//   6      0E26h    BeepVolume       item index
//   7      0E27h    PriorityScan     item index
//   8      0E28h    HighPower        01h ticked / 00h; read: bit 0
//   9      0E29h    Volume           item index
//   A      0E2Ah    Backlight        item index
//   B      0E2Bh    KeyLock          01h / 00h; read: bit 0
//   C      0E2Ch    CeilingMounting  01h / 00h; read: bit 0
//   D      0E2Dh    TimeOutTimer     item index
//   E      0E2Eh    PreAlert         item index
//   F      0E2Fh    -                00h written, ignored when read
//
// A list without a selection is written as FFh; a byte beyond a list's items
// reads as no selection.
#include "OptionControls.h"
#include "base/RadioData.h"

OptionValues OptionsFromFrame(const OptionFrame& frame);
OptionFrame FrameFromOptions(const OptionValues& values);
