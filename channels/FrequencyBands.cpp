#include "FrequencyBands.h"
#include "base/Connection.h"
#include <algorithm>
#include <cmath>

namespace {

FrequencyUnits ToUnits(long double mhz)
{
    return std::llround(mhz * UnitsPerMHz);
}

QString LimitText(FrequencyUnits units)
{
    return BandLimitText(static_cast<long double>(units) / UnitsPerMHz);
}

} // namespace

FrequencyBands::FrequencyBands(const BandLimits& limits)
    : bands_{Band{ToUnits(limits.Band1Low), ToUnits(limits.Band1High)},
             Band{ToUnits(limits.Band2Low), ToUnits(limits.Band2High)}}
{
}

// In 10 Hz units: a frequency far beyond the band (a file may hold any
// number) would overflow in millihertz.
bool FrequencyBands::Contains(FrequencyUnits units) const
{
    return std::any_of(bands_.begin(), bands_.end(), [units](const Band& b) { return b.Low < units && units < b.High; });
}

bool FrequencyBands::ContainsMilliHz(std::int64_t milliHz) const
{
    return std::any_of(bands_.begin(), bands_.end(), [milliHz](const Band& b) {
        return b.Low * MilliHzPer10Hz < milliHz && milliHz < b.High * MilliHzPer10Hz;
    });
}

QString FrequencyBands::Text() const
{
    QString text = LimitText(bands_[0].Low) + u'-' + LimitText(bands_[0].High);
    if (bands_[1] != bands_[0])
        text += QStringLiteral(" or ") + LimitText(bands_[1].Low) + u'-' + LimitText(bands_[1].High);
    return text;
}

QString BandsText(const BandLimits& bands)
{
    return FrequencyBands(bands).Text();
}
