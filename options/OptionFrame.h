#pragma once
// The radio's 16-byte option frame (radio addresses 0E20h-0E2Fh) and the
// option controls' selections, both ways.
//
//  offset  address  control     value
//   0      0E20h    ComboBox1   item index + 1
//   1      0E21h    ComboBox2   item index
//   2      0E22h    ComboBox3   item index
//   3      0E23h    -           00h written, ignored when read
//   4      0E24h    ComboBox4   item index
//   5      0E25h    ComboBox5   item index
//   6      0E26h    ComboBox11  item index
//   7      0E27h    ComboBox6   item index
//   8      0E28h    CheckBox1   01h ticked / 00h; read: bit 0
//   9      0E29h    ComboBox7   item index
//   A      0E2Ah    ComboBox8   item index
//   B      0E2Bh    CheckBox6   01h / 00h; read: bit 0
//   C      0E2Ch    CheckBox4   01h / 00h; read: bit 0
//   D      0E2Dh    ComboBox10  item index
//   E      0E2Eh    ComboBox9   item index
//   F      0E2Fh    -           00h written, ignored when read
//
// A list without a selection is written as FFh; a byte beyond a list's items
// reads as no selection.
#include "OptionControls.h"
#include "base/RadioData.h"

OptionValues OptionsFromFrame(const OptionFrame& frame);
OptionFrame FrameFromOptions(const OptionValues& values);
