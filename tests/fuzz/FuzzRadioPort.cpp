#include "FuzzRadioPort.h"

#include "link/CommPart.h"

#include <algorithm>
#include <deque>

struct TCommPort {};

namespace {

constexpr int LargestReadChunk = 68;  // as the real port reads

struct FuzzRadio {
    const std::uint8_t* bursts = nullptr;
    std::size_t size = 0;
    std::size_t next = 0;
    bool failNextOpen = false;
    std::deque<std::uint8_t> line;   // sent by the radio, not yet read
    FuzzRadioLog log;
};

FuzzRadio radio;

void Answer()
{
    if (radio.next >= radio.size)
        return;
    const std::size_t length = std::min<std::size_t>(radio.bursts[radio.next], radio.size - radio.next - 1);
    ++radio.next;
    radio.line.insert(radio.line.end(), radio.bursts + radio.next, radio.bursts + radio.next + length);
    radio.next += length;
}

int Take(std::uint8_t* buffer, int n)
{
    const int got = int(std::min<std::size_t>(std::size_t(n), radio.line.size()));
    std::copy_n(radio.line.begin(), got, buffer);
    radio.line.erase(radio.line.begin(), radio.line.begin() + got);
    return got;
}

} // namespace

void StartFuzzRadio(const std::uint8_t* bursts, std::size_t size, bool failFirstOpen)
{
    radio = FuzzRadio{};
    radio.bursts = bursts;
    radio.size = size;
    radio.failNextOpen = failFirstOpen;
}

const FuzzRadioLog& FuzzRadioLogNow()
{
    return radio.log;
}

TCommPort* OpenComm(const QString&, CommOpenFailure* why)
{
    const bool fail = radio.failNextOpen;
    radio.failNextOpen = false;
    if (why)
        *why = fail ? CommOpenFailure::InUse : CommOpenFailure::None;
    if (fail)
        return nullptr;
    ++radio.log.opens;
    radio.line.clear();  // the real open empties both buffers
    return new TCommPort;
}

void CloseComm(TCommPort*& slot)
{
    delete slot;
    slot = nullptr;
}

bool ReadCommByte(TCommPort* port, std::uint8_t& byte)
{
    return port && Take(&byte, 1) == 1;
}

bool WriteCommBuffer(TCommPort* port, const std::uint8_t*, int)
{
    if (!port) {
        ++radio.log.writesWhileClosed;
        return false;
    }
    Answer();
    return true;
}

bool ReadCommBuffer(TCommPort* port, std::uint8_t* buffer, int n, int* received)
{
    int got = 0;
    int last = 0;
    if (port) {
        do {
            last = Take(buffer + got, std::min(n - got, LargestReadChunk));
            got += last;
        } while (got < n && last > 0);
    }
    if (received)
        *received = got;
    return last > 0;
}
