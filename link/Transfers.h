#pragma once
// Memory transfers between the radio and the program.
//
// Radio memory map (radio addresses; image = offset in MemoryImage):
//   0010h-080Fh  128 channel records x 16   read 32 x 64, written 128 x 16   image 0000h-07FFh
//   1010h-180Fh  128 channel names   x 16   read 32 x 64, written 128 x 16   image 1000h-17FFh
//   0E00h-0E3Fh  option block; option frame = 0E20h-0E2Fh, read as one 64-byte block,
//                written as one 16-byte block at 0E20h; never in MemoryImage
// Channel blocks are interleaved: block i of the records, then block i of the
// names (+1000h), then block i + 1.
//
// Threads: every LinkUi call happens on the thread running the exchange (see
// Frames.h). ProgressFn is called on the thread that called the function;
// RunChannelTransfer and RunOnWorker hand the worker's progress back to their
// caller's thread.
#include "LinkUi.h"
#include "base/ProgramState.h"
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

inline constexpr int ChannelBase = 0x0010;       // radio address of channel 1
inline constexpr int NameRegionOffset = 0x1000;  // names lie 1000h above records
inline constexpr int OptionFrameAddress = 0x0E20;

// The 16 option bytes 0E20h-0E2Fh, as they travel.
using OptionFrame = std::array<std::uint8_t, 16>;

enum class ChannelTransferMode { Read = 0, Write = 1 };

// `count` channels (128) between the radio on `portName` and `image`.
// A failed read leaves the blocks read before the failure in the image and
// the rest as it was.
bool ReadChannelMemory(int count, const QString& portName, MemoryImageBytes& image,
                       LinkUi& ui, const ProgressFn& progress);
bool WriteChannelMemory(int count, const QString& portName, const MemoryImageBytes& image,
                        LinkUi& ui, const ProgressFn& progress);

// Runs `job` on a worker thread. The calling thread sleeps 1 ms at a time,
// processes its pending events (so a GUI LinkUi's queued boxes can run) and
// passes the latest progress to `progress`, until the job ends. Returns the
// job's result, or false when no worker could be started.
bool RunOnWorker(const std::function<bool(const ProgressFn&)>& job, const ProgressFn& progress);

// A full channel read or write of 128 channels on a worker thread.
bool RunChannelTransfer(ChannelTransferMode mode, const QString& portName, MemoryImageBytes& image,
                        LinkUi& ui, const ProgressFn& progress);

// The option frame. The read fills `frame` only on success.
bool ReadDovaOptions(const QString& portName, OptionFrame& frame, LinkUi& ui, const ProgressFn& progress);
bool WriteDovaOptions(const QString& portName, const OptionFrame& frame, LinkUi& ui, const ProgressFn& progress);
