#pragma once
// The flag columns 5-11 of a channel row, driven by one table.
//
// Each entry pairs a text with a field packed into 32 bits:
//   bits 31-24 grid column | 23-16 record byte | 15-8 value | 7-0 keep-mask
// Encoding: record[byte] = (record[byte] & keep) | value.
// Decoding: an entry matches when (record[byte] & ~keep) == value.
//
//   text      col byte value keep
//   High       5   13   20h  DFh
//   Low        5   13   00h  DFh
//   25K        6   13   10h  EFh
//   12.5K      6   13   00h  EFh
//   On         7   14   01h  FEh   busy lock
//   Off        7   14   00h  FEh
//   DTMF       8   12   02h  FDh
//   Off        8   12   00h  FDh
//   QT*DTMF    9   12   40h  9Fh
//   QT+DTMF    9   12   20h  9Fh
//   QT         9   12   00h  9Fh
//   On        10   12   08h  F7h   repeater
//   Off       10   12   00h  F7h
//   On        11   13   40h  BFh   scan add
//   Off       11   13   00h  BFh
//
// The entry with value 00h is a column's "clear" entry: decoding falls back
// to it when no entry matches (unmute bits 11 read as QT), encoding when the
// text is none of the column's words (compared case-sensitively).
#include "ChannelColumns.h"
#include "ChannelRecord.h"
#include <QString>
#include <cstdint>
#include <vector>

struct ChannelFlagEntry {
    QString Text;
    std::uint32_t Field;
};

constexpr std::uint32_t PackFlagField(int column, int byte, int value, int keep)
{
    return std::uint32_t(column) << 24 | std::uint32_t(byte) << 16 | std::uint32_t(value) << 8 | std::uint32_t(keep);
}
constexpr int FlagColumn(std::uint32_t field) { return int(field >> 24); }
constexpr int FlagByte(std::uint32_t field) { return int(field >> 16 & 0xFF); }
constexpr std::uint8_t FlagValue(std::uint32_t field) { return std::uint8_t(field >> 8); }
constexpr std::uint8_t FlagKeepMask(std::uint32_t field) { return std::uint8_t(field); }

// The 15 entries above, in that order: the flag columns' items and bits of
// ChannelColumns, each column's highest value first.
const std::vector<ChannelFlagEntry>& ChannelFlagTable();

// The text of flag column 5..11 for a record (empty for other columns).
QString DecodeFlagColumn(const ChannelRecord& record, int column);

// Puts the field of flag column 5..11 for a text into the record (other
// columns change nothing).
void EncodeFlagColumn(ChannelRecord& record, int column, const QString& text);

// The same by the index of the column's list item (ChoiceItems).
int DecodeFlagItem(const ChannelRecord& record, int column);
void EncodeFlagItem(ChannelRecord& record, int column, int item);

// The item a column's clear entry stands for (value 00h).
int ClearFlagItem(int column);

inline constexpr int FirstFlagColumn = ColPower;
inline constexpr int LastFlagColumn = ColScanAdd;
