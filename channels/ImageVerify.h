#pragma once
// Verify after write: the image read back from the radio against the image
// written, on every byte the program writes (the records at 0000h-07FFh and
// the names at 1000h-17FFh), and a byte of the image named as channel and
// field, for the window and fane5-cli alike.
#include "base/RadioData.h"
#include <QString>
#include <cstdint>

struct ImageDifference {
    int Offset = -1;         // image offset of the first byte that differs; -1: none
    std::uint8_t Written = 0, ReadBack = 0;
    bool Same() const { return Offset < 0; }
};

ImageDifference FirstImageDifference(const MemoryImageBytes& written, const MemoryImageBytes& readBack);

// "channel 12, TX frequency", "channel 3, name"; empty outside both regions.
QString DescribeImageByte(int offset);

// "Verify after write: channel 12, TX frequency reads back 46h where 47h
// was written (image byte 00B5h)."
QString ImageDifferenceMessage(const ImageDifference& difference);

// Said when the radio holds every byte written.
QString VerifiedMessage();
