#pragma once
// The check every write runs before anything is encoded or sent.
//
// It refuses only what cannot be sent as it stands, so whatever a read gives
// can always be written back. All 128 channel rows are sent, so all are
// checked. A row with neither an RX nor a TX text is an empty slot and passes
// whatever its other cells hold (the radio ignores them). In any other row:
//   - an RX or TX text is empty (no frequency) or a decimal number of MHz
//     that fits the radio's eight digits (below 1000 MHz);
//   - in the rows the grid shows (1..99), that number also lies inside one
//     of the bands, both limits excluded, compared in 10 Hz units; rows
//     100..128 are the radio's own and keep what a read or a file gave them;
//   - each tone text is accepted by IsValidToneText;
//   - each flag text (columns 5..11) is empty or exactly one of its column's
//     words in ChannelFlagTable, since any other text would be written as
//     the column's clear word without a word.
// The first bad cell, in row order and then column order, is named; a
// message quotes at most an excerpt of it.
#include "Channel.h"
#include "ChannelTable.h"
#include "FrequencyBands.h"
#include "Problem.h"
#include <QString>
#include <optional>
#include <vector>

// One row that is no empty slot, read as this check reads it: the channel,
// or its first bad cell.
Outcome<Channel> ReadRowForWrite(const ChannelTexts& texts, int row, const BandLimits& bands);

// The first bad cell: "row 7, RX Frequency(MHZ): ...".
std::optional<Problem> CheckRowsForWrite(const ChannelTable& table, const BandLimits& bands);

// The first bad cell of every row that has one: what a file opened holds
// that a write would refuse.
std::vector<Problem> RowsRefusedForWrite(const ChannelTable& table, const BandLimits& bands);

// What is said as a file opens that holds such cells: "club.chnw holds a
// cell that Write would refuse:" and the first few; empty when none.
QString RefusedCellsNotice(const QString& fileName, const ChannelTable& table, const BandLimits& bands);
