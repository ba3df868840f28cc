#include "FrequencyCodec.h"
#include "DecimalText.h"

std::optional<FrequencyUnits> ParseFrequency(const QString& text)
{
    return ParseScaledDecimal(text, UnitsPerMHz);
}

std::optional<std::int64_t> ParseFrequencyMilliHz(const QString& text)
{
    return ParseScaledDecimal(text, int(UnitsPerMHz * MilliHzPer10Hz));
}

std::uint32_t EncodeFrequency(const QString& text)
{
    const auto units = ParseFrequency(text);
    return units ? BcdOfUnits(*units) : NoFrequencyBcd;
}

std::uint32_t BcdOfUnits(FrequencyUnits units)
{
    // Eight BCD digits: the 10^8 digit and above fall off.
    FrequencyUnits rest = units % 100000000;
    std::uint32_t bcd = 0;
    for (int shift = 0; shift < 32; shift += 4) {
        bcd |= std::uint32_t(rest % 10) << shift;
        rest /= 10;
    }
    return bcd;
}

std::optional<FrequencyUnits> UnitsOfBcd(std::uint32_t bcd)
{
    if ((bcd >> 24) == 0xFF)
        return std::nullopt;
    FrequencyUnits units = 0;
    for (int shift = 28; shift >= 0; shift -= 4) {
        const std::uint32_t digit = (bcd >> shift) & 0xF;
        if (digit > 9)
            return std::nullopt;
        units = units * 10 + digit;
    }
    return units;
}

QString DecodeFrequency(std::uint32_t bcd)
{
    if ((bcd >> 24) == 0xFF)
        return {};
    QString text;
    for (int shift = 28; shift >= 0; shift -= 4) {
        text += QString::number((bcd >> shift) & 0xF);
        if (shift == 20)
            text += u'.';
    }
    return text;
}

namespace {

constexpr int UnitDecimals = 5;

QString Text(FrequencyUnits units, int integerDigits, int decimals)
{
    FrequencyUnits fraction = units % UnitsPerMHz;
    for (int d = UnitDecimals; d < decimals; ++d)
        fraction *= 10;
    for (int d = decimals; d < UnitDecimals; ++d)
        fraction /= 10;
    return QStringLiteral("%1.%2")
        .arg(units / UnitsPerMHz, integerDigits, 10, QChar(u'0'))
        .arg(fraction, decimals, 10, QChar(u'0'));
}

} // namespace

QString FrequencyText(FrequencyUnits units)
{
    return Text(units, 3, UnitDecimals);
}

QString MhzText(FrequencyUnits units, int decimals)
{
    return Text(units, 0, decimals);
}

std::uint32_t ReadLe32(const std::uint8_t* bytes)
{
    return std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16
         | std::uint32_t(bytes[3]) << 24;
}

void WriteLe32(std::uint8_t* bytes, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[i] = std::uint8_t(value >> (8 * i));
}
