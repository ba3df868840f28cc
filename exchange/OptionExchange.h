#pragma once
// Every exchange of the radio's option frame: read, and write with or
// without its verify.
#include "Exchange.h"

class OptionExchange {
public:
    explicit OptionExchange(const ExchangeSetup& setup) : setup_(setup) {}

    // `frame` is filled only when the whole frame arrived.
    ExchangeReport Read(OptionFrame& frame);
    ExchangeReport Write(const OptionFrame& frame, bool verify);

private:
    ExchangeSetup setup_;
};
