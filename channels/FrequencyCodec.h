#pragma once
// Frequencies: MHz text in the grid and files, an integer of 10 Hz units in
// the program, 8 BCD digits in the radio (see ChannelRecord.h).
#include <QString>
#include <cstdint>
#include <optional>

using FrequencyUnits = std::int64_t;    // 10 Hz
inline constexpr FrequencyUnits UnitsPerMHz = 100000;
inline constexpr std::uint32_t NoFrequencyBcd = 0xFFFFFFFF;

// MHz text -> 10 Hz units; nothing when the text is not a decimal number.
std::optional<FrequencyUnits> ParseFrequency(const QString& text);

// The same finer, in millihertz, for the snap of a typed frequency to the
// raster, which must see digits beyond 10 Hz.
std::optional<std::int64_t> ParseFrequencyMilliHz(const QString& text);
inline constexpr std::int64_t MilliHzPer10Hz = 10000;

// MHz text -> BCD value as the radio stores it (least significant digit pair
// in the low byte). An empty text gives NoFrequencyBcd. Only the units modulo
// 10^8 fit: 1000.00000 is stored as 000.00000. A text that is not a number
// also gives NoFrequencyBcd; writes refuse such texts before encoding
// (CheckRowsForWrite).
std::uint32_t EncodeFrequency(const QString& text);

// 10 Hz units -> BCD as above (units modulo 10^8).
std::uint32_t BcdOfUnits(FrequencyUnits units);

// BCD value -> 10 Hz units; nothing when the top byte is FFh (no frequency)
// or a nibble is A-F (no number).
std::optional<FrequencyUnits> UnitsOfBcd(std::uint32_t bcd);

// BCD value -> grid text "476.42500"; empty when the top byte is FFh.
// Each nibble prints as its decimal value, so a damaged nibble A-F prints
// as "10".."15" and the text grows.
QString DecodeFrequency(std::uint32_t bcd);

// 10 Hz units -> grid text with three integer and five fractional digits
// (the form a decoded or snapped frequency has).
QString FrequencyText(FrequencyUnits units);

// 10 Hz units -> MHz text with `decimals` (1..6) fractional digits and no
// leading zeros: "476.425000" in CSV files, "476.4250" in the default list.
QString MhzText(FrequencyUnits units, int decimals);

// Little-endian 32-bit access to record bytes.
std::uint32_t ReadLe32(const std::uint8_t* bytes);
void WriteLe32(std::uint8_t* bytes, std::uint32_t value);
