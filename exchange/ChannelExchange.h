#pragma once
// Every exchange of the 128 channels: read, write (with or without its
// verify) and the write of a raw memory image. Writes check every channel
// first: a refused cell is in the report and nothing is sent.
#include "Exchange.h"
#include "channels/ChannelTable.h"

class ChannelExchange {
public:
    explicit ChannelExchange(const ExchangeSetup& setup) : setup_(setup) {}

    // The whole image: channel records and names as read, FFh elsewhere.
    ExchangeReport Read(MemoryImageBytes& image);
    // Checked against the band of CurrentBands(), then encoded and written.
    ExchangeReport Write(const ChannelTable& table, bool verify);
    // Written as it is, once its channels decode to what a write would take.
    ExchangeReport WriteImage(const MemoryImageBytes& image, bool verify);

private:
    ExchangeSetup setup_;
};
