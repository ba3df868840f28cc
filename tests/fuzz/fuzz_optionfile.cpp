// An option file, and an option frame as the radio sends it: every value that
// comes out lies in its control's range and survives being written again.
#include "FuzzTargets.h"

#include "base/TextLines.h"
#include "options/OptionFile.h"
#include "options/OptionFrame.h"

#include <algorithm>

namespace {

bool InRange(const OptionValues& values)
{
    for (int i = 0; i < OptionSlotCount; ++i) {
        const OptionControl& control = OptionControls()[i];
        const int v = values.at[i];
        const bool ok = control.isCheckBox() ? (v == 0 || v == 1) : (v >= -1 && v < control.items.size());
        if (!ok)
            return false;
    }
    return true;
}

void CheckFileLines(const QByteArray& text)
{
    const OptionValues before = DesignOptionValues();
    OptionValues values = before;
    QString error;
    if (!ReadControlLines(SplitTextLines(QString::fromLatin1(text)), values, error)) {
        FUZZ_CHECK(values == before);
        FUZZ_CHECK(!error.isEmpty());
        return;
    }
    FUZZ_CHECK(InRange(values));
    OptionValues again = before;
    FUZZ_CHECK(ReadControlLines(SplitTextLines(QString::fromLatin1(WriteControlLines(values))), again, error));
    FUZZ_CHECK(again == values);
}

void CheckFrame(const QByteArray& bytes)
{
    OptionFrame frame{};
    frame.fill(0xFF);
    std::copy_n(bytes.begin(), std::min<qsizetype>(bytes.size(), qsizetype(frame.size())), frame.begin());
    const OptionValues values = OptionsFromFrame(frame);
    FUZZ_CHECK(InRange(values));
    FUZZ_CHECK(OptionsFromFrame(FrameFromOptions(values)) == values);
}

} // namespace

int FuzzOptionFile(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input = InputBytes(data, size);
    CheckFileLines(input);
    CheckFrame(input);
    return 0;
}
