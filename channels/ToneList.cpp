#include "ToneList.h"
#include "DecimalText.h"
#include "base/languagestr.h"
#include <algorithm>
#include <array>

namespace {

constexpr ToneCode DcsMarker = 0x2800;
constexpr ToneCode DcsInverted = 0x8000;
constexpr int FirstDcsHighByte = 0x28;
constexpr int FirstInvertedHighByte = 0xA8;
constexpr ToneCode LastCtcssCode = FirstDcsHighByte * 256 - 1;  // 1023.9 Hz

// Tenths of a Hz.
constexpr std::array<ToneCode, 50> CtcssTones = {
    670,  693,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000,
    1035, 1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567,
    1598, 1622, 1655, 1679, 1713, 1738, 1773, 1799, 1835, 1862, 1899, 1928, 1966,
    1995, 2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541,
};

// C++ octal literals: each is the DCS code as the radio stores it.
constexpr std::array<ToneCode, 105> DcsCodes = {
    023, 025, 026, 031, 032, 036, 043, 047, 051, 053, 054, 065, 071, 072, 073,
    074, 0114, 0115, 0116, 0122, 0125, 0131, 0132, 0134, 0143, 0145, 0152, 0155, 0156,
    0162, 0165, 0172, 0174, 0205, 0212, 0223, 0225, 0226, 0243, 0244, 0245, 0246, 0251,
    0252, 0255, 0261, 0263, 0265, 0266, 0271, 0274, 0306, 0311, 0315, 0325, 0331, 0332,
    0343, 0346, 0351, 0356, 0364, 0365, 0371, 0411, 0412, 0413, 0423, 0431, 0432, 0445,
    0446, 0452, 0454, 0455, 0462, 0464, 0465, 0466, 0503, 0506, 0516, 0523, 0526, 0532,
    0546, 0565, 0606, 0612, 0624, 0627, 0631, 0632, 0645, 0654, 0662, 0664, 0703, 0712,
    0723, 0731, 0732, 0734, 0743, 0754,
};

bool IsOffWord(const QString& text)
{
    return text.isEmpty() || text.startsWith(u'O') || text == OffWordCp936;
}

bool IsAsciiDigit(QChar c, char highest)
{
    return c >= u'0' && c.unicode() <= char16_t(highest);
}

ToneCode EncodeDcs(const QString& text)
{
    const QString digits = text.mid(1, 3);
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), [](QChar c) { return IsAsciiDigit(c, '9'); }))
        return ToneOff;
    // Decimal digits taken as octal digits, 8 and 9 included.
    const int n = digits.toInt();
    const int code = (n / 100) * 64 + (n / 10 % 10) * 8 + n % 10;
    const bool normal = text.size() > 4 && text.at(4) == u'N';
    return ToneCode(code | DcsMarker | (normal ? 0 : DcsInverted));
}

// "D" + three octal digits, then nothing (inverted), "N" or "I".
bool IsDcsText(const QString& text)
{
    return (text.size() == 4 || (text.size() == 5 && (text.at(4) == u'N' || text.at(4) == u'I')))
        && text.at(0) == u'D' && IsAsciiDigit(text.at(1), '7') && IsAsciiDigit(text.at(2), '7')
        && IsAsciiDigit(text.at(3), '7');
}

// A decimal number of Hz with nothing finer than 0.1 Hz (67, 67.0, 67.00)
// whose code lies below the DCS codes: it decodes back to the same tone.
bool IsCtcssText(const QString& text)
{
    const qsizetype point = text.indexOf(u'.');
    const QString finer = point < 0 ? QString() : text.mid(point + 2);
    if (!std::all_of(finer.begin(), finer.end(), [](QChar c) { return c == u'0'; }))
        return false;
    const auto tenths = ParseScaledDecimal(text, 10);
    return tenths && *tenths <= LastCtcssCode;
}

} // namespace

const QStringList& ToneList()
{
    static const QStringList list = [] {
        QStringList items{DecodeTone(ToneOff)};
        for (ToneCode tone : CtcssTones)
            items << DecodeTone(tone);
        for (ToneCode polarity : {ToneCode(0), DcsInverted})
            for (ToneCode code : DcsCodes)
                items << DecodeTone(ToneCode(code | DcsMarker | polarity));
        return items;
    }();
    return list;
}

QString DecodeTone(ToneCode code)
{
    const int high = code >> 8, low = code & 0xFF;
    if (high == 0xFF)
        return languagestr::WordOff;
    if (high < FirstDcsHighByte)
        return QStringLiteral("%1.%2").arg(code / 10).arg(code % 10);
    const int dcs = (high & 7) * 256 + low;
    return QStringLiteral("D%1%2%3%4")
        .arg(dcs / 64)
        .arg(dcs % 64 / 8)
        .arg(dcs % 8)
        .arg(QChar(high < FirstInvertedHighByte ? u'N' : u'I'));
}

ToneCode EncodeTone(const QString& text)
{
    if (IsOffWord(text))
        return ToneOff;
    if (text.startsWith(u'D'))
        return EncodeDcs(text);
    const auto tenths = ParseScaledDecimal(text, 10);
    return tenths && *tenths <= 0xFFFF ? ToneCode(*tenths) : ToneOff;
}

bool IsValidToneText(const QString& text)
{
    if (IsOffWord(text) || text.compare(languagestr::WordOff, Qt::CaseInsensitive) == 0)
        return true;
    return text.startsWith(u'D') ? IsDcsText(text) : IsCtcssText(text);
}
