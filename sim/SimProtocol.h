#pragma once
// The radio's side of the protocol as a pure state machine: bytes in, answers
// out. No time, no devices: SimRadio feeds it and puts the answers on the line.
#include "SimPeer.h"

#include <QByteArray>
#include <QList>
#include <mutex>

// What the radio sends while it garbles (SimConfig::endlessGarbageAt).
inline constexpr std::uint8_t SimGarbageByte = 0x5A;

// Bytes the radio sends, after `pauseMs` of silence on the line.
struct SimAnswer {
    QByteArray bytes;
    int pauseMs = 0;
};
using SimAnswers = QList<SimAnswer>;

class SimProtocol {
public:
    explicit SimProtocol(const SimConfig& config);

    // The peer closed the port: wait for a new handshake.
    void Reset();
    SimAnswers Receive(std::uint8_t byte);

    bool Vanishing() const { return state_ == State::Gone; }
    bool Garbling() const { return state_ == State::Garbage; }

    RadioMemory memory{};
    QList<QByteArray> frames;
    int handshakes = 0;

private:
    enum class State { Idle, WaitContinue, WaitConfirm, Command, WriteData, WaitReadAck, Garbage, Gone };

    SimAnswers StartSession();
    SimAnswers Continue();
    SimAnswers Confirm();
    SimAnswers Command(std::uint8_t byte);
    SimAnswers Read();
    SimAnswers Write();
    SimAnswers ReadAck();
    SimAnswers Reply(QByteArray bytes);
    QByteArray Ack() const;
    bool Fault(int at) const { return at == block_; }
    bool BlockFaultEnds();

    SimConfig config_;
    State state_ = State::Idle;
    QByteArray window_;   // the last bytes, to spot the handshake anywhere
    QByteArray frame_;    // request being collected
    int block_ = 0;       // 0 = handshake, then requests of the session
};

// The protocol of one simulated radio and the lock that guards it, shared by
// whatever feeds it bytes and whoever looks at its memory.
struct GuardedProtocol {
    explicit GuardedProtocol(const SimConfig& config) : protocol(config) {}
    std::mutex lock;
    SimProtocol protocol;
};
