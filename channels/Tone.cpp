#include "Tone.h"
#include "DecimalText.h"
#include "base/languagestr.h"
#include <algorithm>

namespace {

constexpr ToneCode DcsMarker = 0x2800;
constexpr ToneCode DcsInverted = 0x8000;
constexpr int FirstDcsHighByte = 0x28;
constexpr int FirstInvertedHighByte = 0xA8;
constexpr int LastCtcssCode = FirstDcsHighByte * 256 - 1;  // 1023.9 Hz

bool IsOffText(const QString& text)
{
    return text.isEmpty() || text.startsWith(u'O') || text == OffWordCp936
        || text.compare(languagestr::WordOff, Qt::CaseInsensitive) == 0;
}

bool IsOctalDigit(QChar c)
{
    return c >= u'0' && c <= u'7';
}

// "D" + three octal digits, then nothing (inverted), "N" or "I".
std::optional<Tone> ParseDcs(const QString& text)
{
    const bool sized = text.size() == 4 || (text.size() == 5 && (text.at(4) == u'N' || text.at(4) == u'I'));
    if (!sized || !std::all_of(text.begin() + 1, text.begin() + 4, IsOctalDigit))
        return std::nullopt;
    const int code = text.mid(1, 3).toInt(nullptr, 8);
    return Tone::Dcs(code, text.size() == 4 || text.at(4) == u'I');
}

// A decimal number of Hz with nothing finer than 0.1 Hz (67, 67.0, 67.00)
// whose code lies below the DCS codes: it decodes back to the same tone.
std::optional<Tone> ParseCtcss(const QString& text)
{
    const qsizetype point = text.indexOf(u'.');
    const QString finer = point < 0 ? QString() : text.mid(point + 2);
    if (!std::all_of(finer.begin(), finer.end(), [](QChar c) { return c == u'0'; }))
        return std::nullopt;
    const auto tenths = ParseScaledDecimal(text, 10);
    if (!tenths || *tenths > LastCtcssCode)
        return std::nullopt;
    return Tone::Ctcss(int(*tenths));
}

} // namespace

Tone Tone::Ctcss(int tenthsHz)
{
    return {Kind::Ctcss, tenthsHz, false};
}

Tone Tone::Dcs(int octalCode, bool inverted)
{
    return {Kind::Dcs, octalCode, inverted};
}

Tone Tone::FromCode(ToneCode code)
{
    const int high = code >> 8, low = code & 0xFF;
    if (high == 0xFF)
        return {};
    if (high < FirstDcsHighByte)
        return Ctcss(code);
    return Dcs((high & 7) * 256 + low, high >= FirstInvertedHighByte);
}

std::optional<Tone> Tone::Parse(const QString& text)
{
    if (IsOffText(text))
        return Tone();
    return text.startsWith(u'D') ? ParseDcs(text) : ParseCtcss(text);
}

ToneCode Tone::Code() const
{
    switch (kind_) {
    case Kind::Ctcss:
        return ToneCode(value_);
    case Kind::Dcs:
        return ToneCode(value_ | DcsMarker | (inverted_ ? DcsInverted : 0));
    case Kind::Off:
        break;
    }
    return ToneOff;
}

QString Tone::Text() const
{
    switch (kind_) {
    case Kind::Ctcss:
        return QStringLiteral("%1.%2").arg(value_ / 10).arg(value_ % 10);
    case Kind::Dcs:
        return QStringLiteral("D%1%2%3%4")
            .arg(value_ / 64)
            .arg(value_ % 64 / 8)
            .arg(value_ % 8)
            .arg(QChar(inverted_ ? u'I' : u'N'));
    case Kind::Off:
        break;
    }
    return languagestr::WordOff;
}
