#include "FrequencySnap.h"

#include "FrequencyBands.h"
#include "FrequencyCodec.h"
#include "base/Connection.h"
#include "base/ProgramState.h"

#include <cstdint>
#include <optional>

namespace {

// Inside the check a frequency is an integer count of millihertz
// (1e-9 MHz): the raster steps are exact there.
constexpr std::int64_t Step5k = 5000000;     // 5 kHz
constexpr std::int64_t Step6_25k = 6250000;  // 6.25 kHz
constexpr std::int64_t Step6_25kIn10Hz = 625;

// Nearest raster channel in units of 10 Hz: a 5 kHz or 6.25 kHz multiple
// stays; anything else goes to the nearer 6.25 kHz neighbour, a tie upwards.
std::int64_t SnapTo10Hz(std::int64_t f)
{
    if (f % Step5k == 0 || f % Step6_25k == 0)
        return f / MilliHzPer10Hz;
    const std::int64_t k = f / Step6_25k;
    const std::int64_t lower = k * Step6_25kIn10Hz;
    const std::int64_t upper = lower + Step6_25kIn10Hz;
    const std::int64_t below = f - lower * MilliHzPer10Hz;
    const std::int64_t above = upper * MilliHzPer10Hz - f;
    return above > below ? lower : upper;
}

} // namespace

BandLimits CurrentBands()
{
    return {Band1Low, Band1High, Band2Low, Band2High};
}

SnappedFrequency CheckAndSnapFrequency(const QString& text, const BandLimits& bands)
{
    const FrequencyBands limits(bands);
    const std::optional<std::int64_t> f = ParseFrequencyMilliHz(text.trimmed());
    if (!f || !limits.ContainsMilliHz(*f))
        return {QString(), true};
    const std::int64_t v = SnapTo10Hz(*f);
    if (!limits.Contains(v))
        return {QString(), true};
    return {FrequencyText(v), false};
}
