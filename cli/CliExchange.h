#pragma once
// fane5-cli's side of a radio exchange: it runs on this thread with the
// link's notices, the progress line and any note on stderr, says "Translate
// data complete!" once a write went through, and keeps the radio history
// unless --no-history is given.
#include "CliOutput.h"
#include "CliVerbs.h"
#include "exchange/Exchange.h"

class CliExchange {
public:
    explicit CliExchange(const CliArgs& args);
    CliExchange(const CliExchange&) = delete;
    CliExchange& operator=(const CliExchange&) = delete;

    const ExchangeSetup& Setup() const { return setup_; }

private:
    RadioLink link_;
    StderrLinkUi ui_;
    ExchangeSetup setup_;
};

// The exit code of a finished write: success once written, and verified when
// asked (which is said); a difference is said and fails the run.
int WriteOutcome(const ExchangeReport& report);
