#pragma once
// Verify after write of the option frame: the frame read back against the
// frame written, on every byte that carries a control (a check box by its
// bit 0, the bit a read takes), for the window and fane5-cli alike.
#include "base/RadioData.h"
#include <QString>

// "Verify after write: option byte 0E2Bh (Locking Key) reads back 00h where
// 01h was written." for the first byte that differs; empty when none does.
QString OptionFrameDifference(const OptionFrame& written, const OptionFrame& readBack);

// Said when the radio holds every option written.
QString OptionsVerifiedMessage();
