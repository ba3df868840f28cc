#pragma once
// The bands a channel's frequency must lie in, both limits excluded: the
// one band check of the check before a write, the snap of a typed
// frequency and CSV import.
#include "FrequencyCodec.h"
#include <QString>
#include <array>
#include <cstdint>

// Band limits in MHz, as the program keeps them (Band1Low ... Band2High).
struct BandLimits {
    long double Band1Low, Band1High, Band2Low, Band2High;
};

class FrequencyBands {
public:
    // Limits are rounded to 10 Hz once, so a frequency equal to a limit is
    // refused however the limit's binary fraction falls.
    explicit FrequencyBands(const BandLimits& limits);

    bool Contains(FrequencyUnits units) const;
    // A typed value finer than 10 Hz, before it is snapped.
    bool ContainsMilliHz(std::int64_t milliHz) const;

    // As messages name them: "400-480.9995", or "400-420 or 450-470".
    QString Text() const;

private:
    struct Band {
        FrequencyUnits Low, High;
        bool operator==(const Band&) const = default;
    };
    std::array<Band, 2> bands_;
};

// FrequencyBands(bands).Text().
QString BandsText(const BandLimits& bands);
