#include "ToneList.h"
#include "Tone.h"
#include "DecimalText.h"
#include <algorithm>
#include <array>

namespace {

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

bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A text no tone stands for, encoded as the radio's own program did:
// decimal digits taken as octal digits, 8 and 9 included.
ToneCode EncodeDcs(const QString& text)
{
    const QString digits = text.mid(1, 3);
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), IsAsciiDigit))
        return ToneOff;
    const int n = digits.toInt();
    const int code = (n / 100) * 64 + (n / 10 % 10) * 8 + n % 10;
    const bool normal = text.size() > 4 && text.at(4) == u'N';
    return Tone::Dcs(code, !normal).Code();
}

} // namespace

const QStringList& ToneList()
{
    static const QStringList list = [] {
        QStringList items{Tone().Text()};
        for (ToneCode tone : CtcssTones)
            items << Tone::Ctcss(tone).Text();
        for (bool inverted : {false, true})
            for (ToneCode code : DcsCodes)
                items << Tone::Dcs(code, inverted).Text();
        return items;
    }();
    return list;
}

QString DecodeTone(ToneCode code)
{
    return Tone::FromCode(code).Text();
}

ToneCode EncodeTone(const QString& text)
{
    if (const auto tone = Tone::Parse(text))
        return tone->Code();
    if (text.startsWith(u'D'))
        return EncodeDcs(text);
    const auto tenths = ParseScaledDecimal(text, 10);
    return tenths && *tenths <= 0xFFFF ? ToneCode(*tenths) : ToneOff;
}

bool IsValidToneText(const QString& text)
{
    return Tone::Parse(text).has_value();
}
