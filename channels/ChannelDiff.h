#pragma once
// The cells in which two channel tables differ, for `fane5-cli diff`.
#include "ChannelTable.h"
#include <QString>
#include <vector>

struct ChannelDifference {
    int Row = 0;
    int Column = 0;
    QString Before, After;   // the texts in the first and the second table
};

// Rows 1..128, columns 1..12, in row order and then column order.
std::vector<ChannelDifference> DiffChannelTables(const ChannelTable& first, const ChannelTable& second);

// channel 7, RX Frequency(MHZ): "476.42500" -> "476.45000"
QString DescribeDifference(const ChannelDifference& difference);
