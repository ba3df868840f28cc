#pragma once
// A simulated radio in this process: the link's line reaches its protocol
// directly, with no serial port or pseudo-terminal between, so it runs where
// there are none (Windows) and answers however busy the machine is. The demo
// radio and the tests of what a window or the CLI does with a transfer use
// it; the tests of the serial path use SimRadio.
//
// No line time passes but the pause after each write that a serial line has
// too: pacing and stalls (SimConfig::pace, stallAt) are SimRadio's. A radio
// that never answers is heard at once, not after a serial time-out.
#include "SimPeer.h"
#include "link/RadioLink.h"

#include <memory>

class InProcessRadio final : public SimPeer {
public:
    explicit InProcessRadio(const SimConfig& config = {});
    ~InProcessRadio() override;

    // For a link whose every port reaches this radio. Opening a line starts
    // a session, as opening a port does; lines may outlive the radio object.
    RadioLink::LineMaker AnyPort() const;

    struct Shared;

protected:
    GuardedProtocol* Guarded() const override;

private:
    std::shared_ptr<Shared> shared_;
};
