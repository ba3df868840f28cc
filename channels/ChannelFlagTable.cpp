#include "ChannelFlagTable.h"
#include <algorithm>

const std::vector<ChannelFlagEntry>& ChannelFlagTable()
{
    static const std::vector<ChannelFlagEntry> table = [] {
        std::vector<ChannelFlagEntry> entries;
        for (int column = FirstFlagColumn; column <= LastFlagColumn; ++column) {
            const ColumnSchema& c = SchemaOf(column);
            const qsizetype first = qsizetype(entries.size());
            for (qsizetype i = 0; i < c.Items.size(); ++i)
                entries.push_back({c.Items.at(i), PackFlagField(column, c.FlagByte, c.Values.at(i), c.KeepMask)});
            std::sort(entries.begin() + first, entries.end(), [](const ChannelFlagEntry& a, const ChannelFlagEntry& b) {
                return FlagValue(a.Field) > FlagValue(b.Field);
            });
        }
        return entries;
    }();
    return table;
}

int ClearFlagItem(int column)
{
    const std::vector<std::uint8_t>& values = SchemaOf(column).Values;
    return int(std::find(values.begin(), values.end(), 0) - values.begin());
}

int DecodeFlagItem(const ChannelRecord& record, int column)
{
    const ColumnSchema& c = SchemaOf(column);
    const std::uint8_t bits = record[c.FlagByte] & ~c.KeepMask & 0xFF;
    const auto match = std::find(c.Values.begin(), c.Values.end(), bits);
    return match == c.Values.end() ? ClearFlagItem(column) : int(match - c.Values.begin());
}

void EncodeFlagItem(ChannelRecord& record, int column, int item)
{
    const ColumnSchema& c = SchemaOf(column);
    std::uint8_t& byte = record[c.FlagByte];
    byte = (byte & c.KeepMask) | c.Values.at(item);
}

QString DecodeFlagColumn(const ChannelRecord& record, int column)
{
    if (!IsFlagColumn(column))
        return {};
    return SchemaOf(column).Items.at(DecodeFlagItem(record, column));
}

void EncodeFlagColumn(ChannelRecord& record, int column, const QString& text)
{
    if (!IsFlagColumn(column))
        return;
    const qsizetype item = SchemaOf(column).Items.indexOf(text);
    EncodeFlagItem(record, column, item < 0 ? ClearFlagItem(column) : int(item));
}
