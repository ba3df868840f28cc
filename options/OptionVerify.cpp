#include "OptionVerify.h"

#include "OptionControls.h"

namespace {

QString Hex(int value, int digits)
{
    return QString::number(value, 16).rightJustified(digits, QLatin1Char('0')).toUpper() + u'h';
}

} // namespace

QString OptionFrameDifference(const OptionFrame& written, const OptionFrame& readBack)
{
    for (int offset = 0; offset < int(written.size()); ++offset) {
        for (const OptionControl& c : OptionControls()) {
            if (c.frameOffset != offset)
                continue;
            const int mask = c.isCheckBox() ? 0x01 : 0xFF;
            if ((written[offset] & mask) == (readBack[offset] & mask))
                continue;
            return QStringLiteral("Verify after write: option byte %1 (%2) reads back %3 where %4 was written.")
                .arg(Hex(OptionFrameAddress + offset, 4), c.caption.trimmed(), Hex(readBack[offset], 2),
                     Hex(written[offset], 2));
        }
    }
    return {};
}

QString OptionsVerifiedMessage()
{
    return QStringLiteral("Verify after write: the radio holds every option written.");
}
