#pragma once
// Memory transfers between the radio and the program, on a RadioLink.
//
// Radio memory map (radio addresses; image = offset in MemoryImageBytes):
//   0010h-080Fh  128 channel records x 16   read 32 x 64, written 128 x 16   image 0000h-07FFh
//   1010h-180Fh  128 channel names   x 16   read 32 x 64, written 128 x 16   image 1000h-17FFh
//   0E00h-0E3Fh  option block; option frame = 0E20h-0E2Fh, read as one 64-byte block,
//                written as one 16-byte block at 0E20h; never in the image
// Channel blocks are interleaved: block i of the records, then block i of the
// names (+1000h), then block i + 1.
//
// Threads: every LinkUi call happens on the thread running the transfer (see
// RadioLink.h). ProgressFn is called on the thread that called the function;
// RunOnWorker hands the worker's progress back to its caller's thread.
#include "LinkUi.h"
#include "RadioLink.h"
#include "base/RadioData.h"
#include <QString>
#include <functional>

inline constexpr int ChannelBase = 0x0010;       // radio address of channel 1
inline constexpr int NameRegionOffset = 0x1000;  // names lie 1000h above records

// `count` channels (128) between the radio on `port` and `image`.
// A failed read leaves the blocks read before the failure in the image and
// the rest as it was.
bool ReadChannelMemory(RadioLink& link, int count, const QString& port, MemoryImageBytes& image, LinkUi& ui,
                       const ProgressFn& progress);
bool WriteChannelMemory(RadioLink& link, int count, const QString& port, const MemoryImageBytes& image,
                        LinkUi& ui, const ProgressFn& progress);

// The option frame. The read fills `frame` only on success.
bool ReadDovaOptions(RadioLink& link, const QString& port, OptionFrame& frame, LinkUi& ui,
                     const ProgressFn& progress);
bool WriteDovaOptions(RadioLink& link, const QString& port, const OptionFrame& frame, LinkUi& ui,
                      const ProgressFn& progress);

// Runs `job` on a worker thread. The calling thread sleeps 1 ms at a time,
// processes its pending events (so a GUI LinkUi's queued boxes can run) and
// passes the latest progress to `progress`, until the job ends. Returns the
// job's result, or false when no worker could be started.
using TransferJob = std::function<bool(const ProgressFn&)>;
bool RunOnWorker(const TransferJob& job, const ProgressFn& progress);
