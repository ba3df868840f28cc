#include "RowCheck.h"
#include "ChannelRows.h"
#include "FrequencyCodec.h"
#include "base/Excerpt.h"
#include <QStringList>
#include <utility>

namespace {

// Eight BCD digits of 10 Hz hold frequencies below 1000 MHz.
constexpr FrequencyUnits FirstUnstorableUnits = 100000000;

// Rows the grid shows keep to the bands; the radio's own rows only have to
// fit its digits.
FrequencyRule RuleFor(int row, const FrequencyBands& bands)
{
    return [row, &bands](FrequencyUnits units, const QString& text) -> std::optional<QString> {
        if (row > LastShownChannelRow) {
            if (units < FirstUnstorableUnits)
                return std::nullopt;
            return QStringLiteral("%1 does not fit the radio (below 1000 MHz)").arg(Excerpt(text));
        }
        if (bands.Contains(units))
            return std::nullopt;
        return QStringLiteral("%1 lies outside %2 MHz").arg(Excerpt(text), bands.Text());
    };
}

} // namespace

Outcome<Channel> ReadRowForWrite(const ChannelTexts& texts, int row, const BandLimits& limits)
{
    const FrequencyBands bands(limits);
    return ParseChannel(texts, row, RuleFor(row, bands));
}

std::vector<Problem> RowsRefusedForWrite(const ChannelTable& table, const BandLimits& limits)
{
    std::vector<Problem> refused;
    for (int row = 1; row < ChannelTable::RowCount; ++row) {
        if (table.IsEmptySlotRow(row))
            continue;
        Outcome<Channel> read = ReadRowForWrite(table.RowTexts(row), row, limits);
        if (read.Failure)
            refused.push_back(std::move(*read.Failure));
    }
    return refused;
}

std::optional<Problem> CheckRowsForWrite(const ChannelTable& table, const BandLimits& limits)
{
    std::vector<Problem> refused = RowsRefusedForWrite(table, limits);
    if (refused.empty())
        return std::nullopt;
    return std::move(refused.front());
}

QString RefusedCellsNotice(const QString& fileName, const ChannelTable& table, const BandLimits& bands)
{
    constexpr size_t Named = 3;
    const std::vector<Problem> refused = RowsRefusedForWrite(table, bands);
    if (refused.empty())
        return {};
    QStringList lines{refused.size() == 1
                          ? QStringLiteral("%1 holds a cell that Write would refuse:").arg(fileName)
                          : QStringLiteral("%1 holds cells that Write would refuse, in %2 rows:")
                                .arg(fileName)
                                .arg(refused.size())};
    for (size_t i = 0; i < refused.size() && i < Named; ++i)
        lines << refused[i].Text();
    if (refused.size() > Named)
        lines << QStringLiteral("and %1 more.").arg(refused.size() - Named);
    return lines.join(u'\n');
}
