#pragma once
// A radio made of fuzz input, behind the link's port functions (CommPart.h):
// the link's fuzz target is built with this file in place of CommPart.cpp.
//
// Input: a sequence of bursts, each a length byte and that many bytes. Every
// write the link makes (a command, an acknowledgement) is answered by the next
// burst; the bytes wait on the line until read. When the line has nothing
// left, a read times out at once. No time passes and no device is touched.
#include <cstddef>
#include <cstdint>

struct FuzzRadioLog {
    int opens = 0;
    int writesWhileClosed = 0;   // writes to a port that was not open
};

// Starts a radio on these bursts; `failFirstOpen` makes the first open fail.
void StartFuzzRadio(const std::uint8_t* bursts, std::size_t size, bool failFirstOpen);
const FuzzRadioLog& FuzzRadioLogNow();
