#include "DecimalText.h"
#include <cmath>

namespace {

bool IsPlainDecimal(const QString& text)
{
    int digits = 0, points = 0;
    for (QChar c : text) {
        if (c.isDigit() && c.unicode() < 128)
            ++digits;
        else if (c == u'.')
            ++points;
        else
            return false;
    }
    return digits > 0 && points <= 1;
}

} // namespace

std::optional<std::int64_t> ParseScaledDecimal(const QString& text, int scale)
{
    if (!IsPlainDecimal(text))
        return std::nullopt;
    const double scaled = text.toDouble() * scale;
    // Integers beyond 2^53 are no longer exact in a double.
    if (!(scaled < 9.0e15))
        return std::nullopt;
    return static_cast<std::int64_t>(std::nearbyint(scaled));  // default mode: halves to even
}
