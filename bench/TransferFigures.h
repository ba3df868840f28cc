#pragma once
// A full channel read, a write, and a write with its verify read, against
// the paced simulated radio, each timed against the least time its bytes
// need on a 9600-baud line.
#include "Figures.h"

// False when a transfer failed; its message has gone to stderr.
bool MeasureTransfers(const QString& device, Figures& figures);
