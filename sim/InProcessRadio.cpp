#include "InProcessRadio.h"
#include "SimProtocol.h"

#include <QThread>
#include <deque>

// The radio, and whether a line has it open; guarded by the protocol's lock.
struct InProcessRadio::Shared {
    explicit Shared(const SimConfig& config) : guarded(config) {}
    GuardedProtocol guarded;
    bool lineOpen = false;
};

namespace {

class InProcessLine final : public RadioLine {
public:
    explicit InProcessLine(std::shared_ptr<InProcessRadio::Shared> radio) : radio_(std::move(radio)) {}
    ~InProcessLine() override { Close(); }

    bool Open(CommOpenFailure* why) override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    bool ReadByte(std::uint8_t& byte) override;
    bool ReadBurst(std::uint8_t* buffer, int n) override;
    bool Write(const std::uint8_t* bytes, int n) override;

private:
    // A new session on each open and close, as when a port closes.
    void ResetSession();

    std::shared_ptr<InProcessRadio::Shared> radio_;
    std::deque<std::uint8_t> answers_;  // sent by the radio, not yet read
    bool open_ = false;
};

bool InProcessLine::Open(CommOpenFailure* why)
{
    Close();
    std::lock_guard guard(radio_->guarded.lock);
    const CommOpenFailure failure = radio_->guarded.protocol.Vanishing() ? CommOpenFailure::NotFound
        : radio_->lineOpen                                              ? CommOpenFailure::InUse
                                                                        : CommOpenFailure::None;
    if (why)
        *why = failure;
    if (failure != CommOpenFailure::None)
        return false;
    radio_->lineOpen = open_ = true;
    radio_->guarded.protocol.Reset();
    answers_.clear();
    return true;
}

void InProcessLine::Close()
{
    if (!open_)
        return;
    std::lock_guard guard(radio_->guarded.lock);
    radio_->lineOpen = open_ = false;
    radio_->guarded.protocol.Reset();
    answers_.clear();
}

bool InProcessLine::ReadByte(std::uint8_t& byte)
{
    if (!open_)
        return false;
    if (!answers_.empty()) {
        byte = answers_.front();
        answers_.pop_front();
        return true;
    }
    std::lock_guard guard(radio_->guarded.lock);
    if (!radio_->guarded.protocol.Garbling())
        return false;
    byte = SimGarbageByte;
    return true;
}

bool InProcessLine::ReadBurst(std::uint8_t* buffer, int n)
{
    for (int i = 0; i < n; ++i)
        if (!ReadByte(buffer[i]))
            return false;
    return true;
}

bool InProcessLine::Write(const std::uint8_t* bytes, int n)
{
    if (!open_)
        return false;
    {
        std::lock_guard guard(radio_->guarded.lock);
        SimProtocol& protocol = radio_->guarded.protocol;
        for (int i = 0; i < n && !protocol.Vanishing(); ++i)
            for (const SimAnswer& answer : protocol.Receive(bytes[i]))
                answers_.insert(answers_.end(), answer.bytes.begin(), answer.bytes.end());
        if (protocol.Vanishing())  // the radio is gone with the line: nothing more comes
            answers_.clear();
    }
    QThread::msleep(PauseAfterWriteMs);
    return true;
}

} // namespace

InProcessRadio::InProcessRadio(const SimConfig& config) : shared_(std::make_shared<Shared>(config)) {}

InProcessRadio::~InProcessRadio() = default;

RadioLink::LineMaker InProcessRadio::AnyPort() const
{
    return [radio = shared_](const QString&) { return std::make_unique<InProcessLine>(radio); };
}

GuardedProtocol* InProcessRadio::Guarded() const
{
    return &shared_->guarded;
}
