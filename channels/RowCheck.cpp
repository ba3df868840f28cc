#include "RowCheck.h"
#include "ChannelFlagTable.h"
#include "ChannelRows.h"
#include "FrequencyCodec.h"
#include "ToneList.h"
#include "base/Connection.h"
#include "base/Excerpt.h"
#include "base/languagestr.h"
#include <array>
#include <cmath>

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

std::optional<Problem> CheckFrequency(const QString& text, int row, int column, const Bands& bands)
{
    if (text.isEmpty())
        return std::nullopt;
    const auto units = ParseFrequency(text);
    if (!units)
        return CellProblem(row, column, QStringLiteral("\"%1\" is not a frequency in MHz").arg(Excerpt(text)));
    if (row > LastShownChannelRow) {
        if (*units < FirstUnstorableUnits)
            return std::nullopt;
        return CellProblem(row, column, QStringLiteral("%1 does not fit the radio (below 1000 MHz)").arg(Excerpt(text)));
    }
    if (bands[0].Contains(*units) || bands[1].Contains(*units))
        return std::nullopt;
    return CellProblem(row, column, QStringLiteral("%1 lies outside %2 MHz").arg(Excerpt(text), BandsText(bands)));
}

std::optional<Problem> CheckTone(const QString& text, int row, int column)
{
    if (IsValidToneText(text))
        return std::nullopt;
    return CellProblem(row, column,
               QStringLiteral("\"%1\" is not Off, a CTCSS tone (0.0 to 1023.9 Hz, one decimal) or a DCS "
                              "code (D, three octal digits, N or I)").arg(Excerpt(text)));
}

// The encoder compares flag texts exactly and takes any other text as the
// column's clear word (Off, Low, ...): such a text would change in silence.
// An empty cell is the clear word by design (default rows leave the hidden
// signalling and unmute cells empty).
std::optional<Problem> CheckFlag(const QString& text, int row, int column)
{
    QStringList words;
    for (const ChannelFlagEntry& entry : ChannelFlagTable())
        if (FlagColumn(entry.Field) == column)
            words << entry.Text;
    if (text.isEmpty() || words.contains(text))
        return std::nullopt;
    return CellProblem(row, column, QStringLiteral("\"%1\" is none of %2").arg(Excerpt(text), words.join(QStringLiteral(", "))));
}

std::optional<Problem> CheckRow(const ChannelTable& table, int row, const Bands& bands)
{
    for (int column : {ColRx, ColTx})
        if (auto result = CheckFrequency(table.Text(row, column), row, column, bands))
            return result;
    for (int column : {ColDecodeTone, ColEncodeTone})
        if (auto result = CheckTone(table.Text(row, column), row, column))
            return result;
    for (int column = FirstFlagColumn; column <= LastFlagColumn; ++column)
        if (auto result = CheckFlag(table.Text(row, column), row, column))
            return result;
    return std::nullopt;
}

} // namespace

std::optional<Problem> CheckRowsForWrite(const ChannelTable& table, const BandLimits& limits)
{
    const Bands bands = ToBands(limits);
    for (int row = 1; row < ChannelTable::RowCount; ++row) {
        if (table.IsEmptySlotRow(row))
            continue;
        if (auto result = CheckRow(table, row, bands))
            return result;
    }
    return std::nullopt;
}

QString BandsText(const BandLimits& limits)
{
    return BandsText(ToBands(limits));
}
