#include "SimPeer.h"
#include "SimProtocol.h"

#include <algorithm>

namespace {

constexpr int OptionFrameAddress = 0x0E20;

} // namespace

RadioMemory SimPeer::Memory() const
{
    GuardedProtocol* guarded = Guarded();
    if (!guarded)
        return {};
    std::lock_guard guard(guarded->lock);
    return guarded->protocol.memory;
}

void SimPeer::SetMemory(const RadioMemory& memory)
{
    GuardedProtocol* guarded = Guarded();
    if (!guarded)
        return;
    std::lock_guard guard(guarded->lock);
    guarded->protocol.memory = memory;
}

QByteArray SimPeer::ImageBytes() const
{
    const RadioMemory memory = Memory();
    QByteArray image(int(memory.size()), '\0');
    for (int address = 0; address < int(memory.size()); ++address)
        image[ImageOffset(address)] = char(memory[address]);
    return image;
}

void SimPeer::SetImageBytes(const QByteArray& image8192)
{
    RadioMemory memory{};
    for (int address = 0; address < int(memory.size()) && ImageOffset(address) < image8192.size(); ++address)
        memory[address] = std::uint8_t(image8192[ImageOffset(address)]);
    SetMemory(memory);
}

RadioOptionBytes SimPeer::OptionBytes() const
{
    const RadioMemory memory = Memory();
    RadioOptionBytes frame;
    std::copy_n(memory.begin() + OptionFrameAddress, frame.size(), frame.begin());
    return frame;
}

void SimPeer::SetOptionBytes(const RadioOptionBytes& frame)
{
    RadioMemory memory = Memory();
    std::copy(frame.begin(), frame.end(), memory.begin() + OptionFrameAddress);
    SetMemory(memory);
}

QList<QByteArray> SimPeer::ReceivedFrames() const
{
    GuardedProtocol* guarded = Guarded();
    if (!guarded)
        return {};
    std::lock_guard guard(guarded->lock);
    return guarded->protocol.frames;
}

void SimPeer::ClearReceivedFrames()
{
    GuardedProtocol* guarded = Guarded();
    if (!guarded)
        return;
    std::lock_guard guard(guarded->lock);
    guarded->protocol.frames.clear();
}

int SimPeer::Handshakes() const
{
    GuardedProtocol* guarded = Guarded();
    if (!guarded)
        return 0;
    std::lock_guard guard(guarded->lock);
    return guarded->protocol.handshakes;
}
