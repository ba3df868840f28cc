#pragma once
// The radio's data as it travels: the channel memory image and the option
// frame. Plain types, so that every layer can name them.
#include <array>
#include <cstdint>

// 8192-byte channel memory image: records at 0000h-07FFh, names at 1000h-17FFh.
using MemoryImageBytes = std::array<std::uint8_t, 8192>;

// The 16 option bytes 0E20h-0E2Fh, as they travel.
using OptionFrame = std::array<std::uint8_t, 16>;
inline constexpr int OptionFrameAddress = 0x0E20;
