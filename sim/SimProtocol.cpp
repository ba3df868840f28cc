#include "SimProtocol.h"

namespace {

const QByteArray Handshake = QByteArrayLiteral("QWPRXMVZ5");
constexpr char AckByte = 0x06;
constexpr char ContinueByte = 0x02;
constexpr char ReadRequest = 0x52;
constexpr char WriteRequest = 0x57;
constexpr char Foreign = char(0xA5);  // a byte that is never an acknowledgement
constexpr int HeaderBytes = 4;
constexpr int LargestRead = 0x40;
constexpr int LargestWrite = 0x10;

int AddressOf(const QByteArray& frame)
{
    return ((quint8(frame[1]) << 8) | quint8(frame[2])) & 0x1FFF;
}

} // namespace

SimProtocol::SimProtocol(const SimConfig& config)
    : config_(config)
{
}

void SimProtocol::Reset()
{
    if (state_ != State::Gone)
        state_ = State::Idle;
    window_.clear();
    frame_.clear();
}

SimAnswers SimProtocol::Receive(std::uint8_t byte)
{
    if (state_ == State::Gone)
        return {};
    window_.append(char(byte));
    if (window_.size() > Handshake.size())
        window_.remove(0, 1);
    // A handshake starts over from anywhere but the middle of write data.
    if (state_ != State::WriteData && window_ == Handshake)
        return StartSession();

    switch (state_) {
    case State::WaitContinue:
        if (char(byte) == ContinueByte)
            return Continue();
        state_ = State::Idle;
        return {};
    case State::WaitConfirm:
        if (char(byte) == AckByte)
            return Confirm();
        state_ = State::Command;  // a radio that did not wait for the confirm
        return Command(byte);
    case State::Command:
        return Command(byte);
    case State::WriteData:
        frame_.append(char(byte));
        return frame_.size() == HeaderBytes + quint8(frame_[3]) ? Write() : SimAnswers{};
    case State::WaitReadAck:
        if (char(byte) == AckByte)
            return ReadAck();
        state_ = State::Command;
        return Command(byte);
    default:
        return {};
    }
}

SimAnswers SimProtocol::StartSession()
{
    frames << Handshake;
    ++handshakes;
    // A radio that failed once and works on the retry.
    if (config_.faultyHandshakes >= 0 && handshakes > config_.faultyHandshakes)
        config_ = SimConfig{.pace = config_.pace};
    block_ = 0;
    frame_.clear();
    window_.clear();
    state_ = State::Idle;
    if (config_.silent || BlockFaultEnds())
        return {};
    state_ = State::WaitContinue;
    return {{Ack(), 0}};
}

SimAnswers SimProtocol::Continue()
{
    frames << QByteArray(1, ContinueByte);
    QByteArray reply = AckByte + Handshake.right(7);
    if (config_.wrongReply)
        reply[7] = char(reply[7] + 1);
    SimAnswers answers = Reply(reply);
    if (config_.otherEnding) {
        state_ = State::Command;
        if (!Fault(config_.noAckAt))
            answers << SimAnswer{Ack(), 0};
    } else {
        state_ = State::WaitConfirm;
    }
    return answers;
}

SimAnswers SimProtocol::Confirm()
{
    frames << QByteArray(1, AckByte);
    state_ = State::Command;
    if (Fault(config_.noAckAt))
        return {};
    return {{Ack(), 0}};
}

SimAnswers SimProtocol::Command(std::uint8_t byte)
{
    // The usual radio resynchronises on a request byte; the one with the other
    // handshake ending takes every four bytes as a header.
    if (frame_.isEmpty() && !config_.otherEnding && char(byte) != ReadRequest && char(byte) != WriteRequest)
        return {};
    frame_.append(char(byte));
    if (frame_.size() < HeaderBytes)
        return {};
    const int length = quint8(frame_[3]);
    if (frame_[0] == ReadRequest && length >= 1 && length <= LargestRead)
        return Read();
    if (frame_[0] == WriteRequest && length >= 1 && length <= LargestWrite) {
        state_ = State::WriteData;
        return {};
    }
    frame_.clear();
    return {};
}

// Vanish and endless garbage take over the block they are set for.
bool SimProtocol::BlockFaultEnds()
{
    if (Fault(config_.vanishAt))
        state_ = State::Gone;
    else if (Fault(config_.endlessGarbageAt))
        state_ = State::Garbage;
    else
        return false;
    return true;
}

SimAnswers SimProtocol::Read()
{
    const QByteArray request = frame_;
    frame_.clear();
    frames << request;
    ++block_;
    if (BlockFaultEnds())
        return {};
    const int address = AddressOf(request);
    const int length = quint8(request[3]);
    QByteArray reply = QByteArray(1, WriteRequest) + request.mid(1, 3);
    for (int i = 0; i < length; ++i)
        reply.append(char(memory[(address + i) & 0x1FFF]));
    state_ = State::WaitReadAck;
    return Reply(reply);
}

SimAnswers SimProtocol::ReadAck()
{
    frames << QByteArray(1, AckByte);
    state_ = State::Command;
    if (Fault(config_.noAckAt))
        return {};
    return {{Ack(), 0}};
}

SimAnswers SimProtocol::Write()
{
    const QByteArray frame = frame_;
    frame_.clear();
    frames << frame;
    ++block_;
    state_ = State::Command;
    if (BlockFaultEnds() || Fault(config_.noAckAt))
        return {};
    const int address = AddressOf(frame);
    for (int i = HeaderBytes; i < frame.size(); ++i)
        memory[(address + i - HeaderBytes) & 0x1FFF] = quint8(frame[i]);
    if (Fault(config_.alterWriteAt))
        memory[address] ^= 0x01;  // a radio that keeps a wrong bit and says nothing
    return {{Ack(), 0}};
}

// A reply with this block's faults applied.
SimAnswers SimProtocol::Reply(QByteArray bytes)
{
    if (Fault(config_.shortReplyAt))
        bytes.chop(1);
    if (Fault(config_.stallAt)) {
        const qsizetype half = bytes.size() / 2;
        return {{bytes.left(half), 0}, {bytes.mid(half), config_.stallMs}};
    }
    return {{bytes, 0}};
}

QByteArray SimProtocol::Ack() const
{
    return QByteArray(config_.garbage, Foreign) + AckByte;
}
