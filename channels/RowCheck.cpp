#include "RowCheck.h"
#include "Channel.h"
#include "ChannelRows.h"
#include "FrequencyCodec.h"
#include "base/Connection.h"
#include "base/Excerpt.h"
#include <array>
#include <cmath>
#include <utility>

namespace {

struct UnitBand {
    FrequencyUnits Low, High;
    bool Contains(FrequencyUnits f) const { return Low < f && f < High; }
    bool operator==(const UnitBand&) const = default;
};
using Bands = std::array<UnitBand, 2>;

// Limits are rounded to 10 Hz once, so a frequency equal to a limit is
// refused however the limit's binary fraction falls.
UnitBand ToUnits(long double low, long double high)
{
    return {std::llround(low * UnitsPerMHz), std::llround(high * UnitsPerMHz)};
}

QString BandText(const UnitBand& band)
{
    return BandLimitText(static_cast<long double>(band.Low) / UnitsPerMHz) + u'-'
         + BandLimitText(static_cast<long double>(band.High) / UnitsPerMHz);
}

QString BandsText(const Bands& bands)
{
    QString text = BandText(bands[0]);
    if (bands[1] != bands[0])
        text += QStringLiteral(" or ") + BandText(bands[1]);
    return text;
}

Bands ToBands(const BandLimits& limits)
{
    return {ToUnits(limits.Band1Low, limits.Band1High), ToUnits(limits.Band2Low, limits.Band2High)};
}

// Eight BCD digits of 10 Hz hold frequencies below 1000 MHz.
constexpr FrequencyUnits FirstUnstorableUnits = 100000000;

// Rows the grid shows keep to the bands; the radio's own rows only have to
// fit its digits.
FrequencyRule RuleFor(int row, const Bands& bands)
{
    return [row, &bands](FrequencyUnits units, const QString& text) -> std::optional<QString> {
        if (row > LastShownChannelRow) {
            if (units < FirstUnstorableUnits)
                return std::nullopt;
            return QStringLiteral("%1 does not fit the radio (below 1000 MHz)").arg(Excerpt(text));
        }
        if (bands[0].Contains(units) || bands[1].Contains(units))
            return std::nullopt;
        return QStringLiteral("%1 lies outside %2 MHz").arg(Excerpt(text), BandsText(bands));
    };
}

} // namespace

std::optional<Problem> CheckRowsForWrite(const ChannelTable& table, const BandLimits& limits)
{
    const Bands bands = ToBands(limits);
    for (int row = 1; row < ChannelTable::RowCount; ++row) {
        if (table.IsEmptySlotRow(row))
            continue;
        Outcome<Channel> read = ParseChannel(table.RowTexts(row), row, RuleFor(row, bands));
        if (read.Failure)
            return std::move(read.Failure);
    }
    return std::nullopt;
}

QString BandsText(const BandLimits& limits)
{
    return BandsText(ToBands(limits));
}
