#pragma once
// fane5-cli's side of the radio history: a successful transfer is kept
// unless --no-history is given; a history that cannot be written is a line
// on stderr and never fails the transfer.
#include "CliVerbs.h"
#include "history/RadioHistory.h"

void KeepTransfer(const CliArgs& args, HistoryKind kind, const MemoryImageBytes& image);
void KeepTransfer(const CliArgs& args, HistoryKind kind, const OptionFrame& frame);
