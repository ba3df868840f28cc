#pragma once
// A look at a line that may not hold the caller up: the line is opened and
// closed on a thread of its own, and the caller waits for that at most
// `bound`. Some serial layers never return from an open or a close (Wine on
// a machine's own UART, Bluetooth ports on Windows); such a line is given up
// and its thread left to end whenever the open or close returns.
#include "RadioLine.h"

#include <chrono>
#include <memory>

// True when the line was opened (or found unopenable) and closed within
// `bound`; false when it was given up.
bool ProbeLine(std::unique_ptr<RadioLine> line, std::chrono::milliseconds bound);
