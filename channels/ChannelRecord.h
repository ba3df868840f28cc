#pragma once
// Byte layout of one channel slot in the radio, and the texts of one grid row.
//
// The memory image (8192 bytes):
//   0000h-07FFh  ChannelRecord of slot n at (n-1)*16          n = 1..128
//   1000h-17FFh  ChannelNameSlot of slot n at 1000h + (n-1)*16
//   the rest     never sent
//
// ChannelRecord (16 bytes):
//   off  width  field
//    0    4     RX frequency   8 BCD digits, 10 Hz units, least significant
//                              byte first: 476.42500 MHz = 00 25 64 47.
//                              Byte 3 = FFh: no frequency.
//    4    4     TX frequency   as RX (byte 7 = FFh: no frequency)
//    8    2     decode tone    tone code, low byte first (see ToneList.h)
//   10    2     encode tone    tone code, low byte first
//   12    1     flags A        7 6 5 4 3 2 1 0
//                              1 u u 1 r 1 d 1   d: DTMF signalling, r: repeater,
//                                                uu: unmute 00 QT, 01 QT+DTMF,
//                                                    10 QT*DTMF
//   13    1     flags B        1 s p w 1 1 1 1   w: wide (25K), p: high power,
//                                                s: scan add
//   14    1     flags C        1 1 1 1 1 1 1 b   b: busy-channel lock
//   15    1     reserved       FFh
//   The bits drawn as 1 are always written as 1 (see ChannelFlagTable.h).
//   A slot is empty when bytes 3 and 7 are both FFh.
//
// ChannelNameSlot (16 bytes):
//   off  width
//    0    6     up to six indexes into NameAlphabet; the first FFh ends the
//               name and the rest of the six bytes is FFh
//    6   10     FFh
#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>

using ChannelRecord = std::array<std::uint8_t, 16>;
using ChannelNameSlot = std::array<std::uint8_t, 16>;

inline constexpr int ChannelSlotCount = 128;
inline constexpr int ChannelRowCount = 129;      // the grid's header row + 128 channels
inline constexpr int ChannelRecordsOffset = 0x0000;
inline constexpr int ChannelNamesOffset = 0x1000;
inline constexpr int NameLength = 6;

// Record byte offsets.
inline constexpr int RxFrequencyByte = 0;
inline constexpr int TxFrequencyByte = 4;
inline constexpr int DecodeToneByte = 8;
inline constexpr int EncodeToneByte = 10;
inline constexpr int FlagsAByte = 12;
inline constexpr int FlagsBByte = 13;
inline constexpr int FlagsCByte = 14;

// The characters a name may hold; a name byte is an index into it.
inline constexpr QStringView NameAlphabet = u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// Grid columns (ChannelTable, ChannelTexts index = column - 1).
enum ChannelColumn : int {
    ColChannel = 0,     // slot number, not encoded
    ColRx = 1,
    ColTx = 2,
    ColDecodeTone = 3,
    ColEncodeTone = 4,
    ColPower = 5,
    ColBandwidth = 6,
    ColBusyLock = 7,
    ColOptSignal = 8,
    ColUnmute = 9,
    ColRepeater = 10,
    ColScanAdd = 11,
    ColName = 12,
};
inline constexpr int ChannelColumnCount = 13;

// The 12 texts of one grid row, index = column - 1.
using ChannelTexts = std::array<QString, 12>;

inline QString& TextOf(ChannelTexts& texts, int column) { return texts[column - 1]; }
inline const QString& TextOf(const ChannelTexts& texts, int column) { return texts[column - 1]; }

// A record is an empty slot when neither frequency is set.
inline bool IsEmptySlot(const ChannelRecord& record)
{
    return record[RxFrequencyByte + 3] == 0xFF && record[TxFrequencyByte + 3] == 0xFF;
}
