#include "OptionFrame.h"

namespace {

int ListIndexFromByte(const OptionControl& c, std::uint8_t byte)
{
    const int index = int(byte) - c.frameBias;
    return index >= 0 && index < c.items.size() ? index : -1;
}

std::uint8_t ByteFromListIndex(const OptionControl& c, int index)
{
    return index < 0 ? 0xFF : std::uint8_t(index + c.frameBias);
}

} // namespace

OptionValues OptionsFromFrame(const OptionFrame& frame)
{
    OptionValues values;
    for (int i = 0; i < OptionSlotCount; ++i) {
        const OptionControl& c = OptionControls()[i];
        const std::uint8_t byte = frame[c.frameOffset];
        values.at[i] = c.isCheckBox() ? (byte & 1) : ListIndexFromByte(c, byte);
    }
    return values;
}

OptionFrame FrameFromOptions(const OptionValues& values)
{
    OptionFrame frame{};  // 0E23h and 0E2Fh stay 00h
    for (int i = 0; i < OptionSlotCount; ++i) {
        const OptionControl& c = OptionControls()[i];
        frame[c.frameOffset] = c.isCheckBox() ? std::uint8_t(values.at[i] != 0)
                                              : ByteFromListIndex(c, values.at[i]);
    }
    return frame;
}
