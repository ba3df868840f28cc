#pragma once
// A simulated radio behind a pseudo-terminal: the handshake, 68-byte read
// replies, acknowledgements and writes into its own memory (SimPeer.h), with
// switchable faults and optional 9600-baud pacing. It runs on its own thread;
// the client opens DevicePath() like any serial device.
#include "SimPeer.h"

#include <QString>
#include <memory>

class SimRadio final : public SimPeer {
public:
    SimRadio();
    ~SimRadio() override;         // stops
    SimRadio(const SimRadio&) = delete;
    SimRadio& operator=(const SimRadio&) = delete;

    // Opens a pseudo-terminal and starts answering, with blank memory. False
    // with `error` set when no pseudo-terminal could be had.
    bool Start(const SimConfig& config, QString* error = nullptr);
    void Stop();
    bool Running() const;         // false after Stop or a vanish
    QString DevicePath() const;   // the client's side, e.g. /dev/pts/3

protected:
    GuardedProtocol* Guarded() const override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
