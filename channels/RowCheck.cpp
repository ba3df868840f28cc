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
#include <vector>

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

RowCheckResult Bad(int row, int column, const QString& reason)
{
    const QString title = languagestr::ColumnTitles[column].trimmed();
    return {false, row, column, QStringLiteral("row %1, %2: %3").arg(row).arg(title, reason)};
}

// Eight BCD digits of 10 Hz hold frequencies below 1000 MHz.
constexpr FrequencyUnits FirstUnstorableUnits = 100000000;

RowCheckResult CheckFrequency(const QString& text, int row, int column, const Bands& bands)
{
    if (text.isEmpty())
        return {};
    const auto units = ParseFrequency(text);
    if (!units)
        return Bad(row, column, QStringLiteral("\"%1\" is not a frequency in MHz").arg(Excerpt(text)));
    if (row > LastShownChannelRow) {
        if (*units < FirstUnstorableUnits)
            return {};
        return Bad(row, column, QStringLiteral("%1 does not fit the radio (below 1000 MHz)").arg(Excerpt(text)));
    }
    if (bands[0].Contains(*units) || bands[1].Contains(*units))
        return {};
    return Bad(row, column, QStringLiteral("%1 lies outside %2 MHz").arg(Excerpt(text), BandsText(bands)));
}

RowCheckResult CheckTone(const QString& text, int row, int column)
{
    if (IsValidToneText(text))
        return {};
    return Bad(row, column,
               QStringLiteral("\"%1\" is not Off, a CTCSS tone (0.0 to 1023.9 Hz, one decimal) or a DCS "
                              "code (D, three octal digits, N or I)").arg(Excerpt(text)));
}

// The encoder compares flag texts exactly and takes any other text as the
// column's clear word (Off, Low, ...): such a text would change in silence.
// An empty cell is the clear word by design (default rows leave the hidden
// signalling and unmute cells empty).
RowCheckResult CheckFlag(const QString& text, int row, int column)
{
    QStringList words;
    for (const ChannelFlagEntry& entry : ChannelFlagTable())
        if (FlagColumn(entry.Field) == column)
            words << entry.Text;
    if (text.isEmpty() || words.contains(text))
        return {};
    return Bad(row, column, QStringLiteral("\"%1\" is none of %2").arg(Excerpt(text), words.join(QStringLiteral(", "))));
}

// Every bad cell of a row, in column order.
void CheckRow(const ChannelTable& table, int row, const Bands& bands, std::vector<RowCheckResult>& bad)
{
    const auto add = [&](const RowCheckResult& result) {
        if (!result.Ok)
            bad.push_back(result);
    };
    for (int column : {ColRx, ColTx})
        add(CheckFrequency(table.Text(row, column), row, column, bands));
    for (int column : {ColDecodeTone, ColEncodeTone})
        add(CheckTone(table.Text(row, column), row, column));
    for (int column = FirstFlagColumn; column <= LastFlagColumn; ++column)
        add(CheckFlag(table.Text(row, column), row, column));
}

} // namespace

std::vector<RowCheckResult> CellsRefusedForWrite(const ChannelTable& table, const BandLimits& limits)
{
    const Bands bands = ToBands(limits);
    std::vector<RowCheckResult> bad;
    for (int row = 1; row < ChannelTable::RowCount; ++row)
        if (!table.IsEmptySlotRow(row))
            CheckRow(table, row, bands, bad);
    return bad;
}

RowCheckResult CheckRowsForWrite(const ChannelTable& table, const BandLimits& limits)
{
    const std::vector<RowCheckResult> bad = CellsRefusedForWrite(table, limits);
    return bad.empty() ? RowCheckResult{} : bad.front();
}

QString BandsText(const BandLimits& limits)
{
    return BandsText(ToBands(limits));
}
