#pragma once
// Compare with the radio: the radio is read (and the read kept in the
// history like any other), nothing of the window changes, and every
// channel field or option in which the radio differs from the window is
// named, the window's value beside the radio's.
#include "Exchange.h"
#include "channels/ChannelTable.h"
#include "options/OptionControls.h"

#include <QStringList>

struct CompareReport {
    // The read; Read.Check: a cell a write would refuse, and nothing was read.
    ExchangeReport Read;
    // "channel 85, TX Power: Low here, High in the radio", one per field.
    QStringList Differences;
    bool Same() const { return Read.Done && Differences.isEmpty(); }
};

// The table as a write would send it, against the 128 channels the radio holds.
CompareReport CompareChannelsWithRadio(const ExchangeSetup& setup, const ChannelTable& here);
CompareReport CompareOptionsWithRadio(const ExchangeSetup& setup, const OptionValues& here);
