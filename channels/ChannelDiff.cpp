#include "ChannelDiff.h"
#include "base/languagestr.h"

std::vector<ChannelDifference> DiffChannelTables(const ChannelTable& first, const ChannelTable& second)
{
    std::vector<ChannelDifference> differences;
    for (int row = 1; row < ChannelTable::RowCount; ++row)
        for (int column = ColRx; column <= ColName; ++column)
            if (first.Text(row, column) != second.Text(row, column))
                differences.push_back({row, column, first.Text(row, column), second.Text(row, column)});
    return differences;
}

QString DescribeDifference(const ChannelDifference& difference)
{
    return QStringLiteral("channel %1, %2: \"%3\" -> \"%4\"")
        .arg(difference.Row)
        .arg(languagestr::ColumnTitles[difference.Column].trimmed(), difference.Before, difference.After);
}
