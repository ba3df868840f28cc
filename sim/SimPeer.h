#pragma once
// What every simulated radio shares, on a pseudo-terminal (SimRadio) or in
// this process (InProcessRadio): its switchable faults, its own 8 KiB memory
// (radio addresses 0000h-1FFFh, option block at 0E00h), and the frames it
// received, readable and settable from any thread.
#include <QByteArray>
#include <QList>
#include <array>
#include <cstdint>

using RadioMemory = std::array<std::uint8_t, 0x2000>;
using RadioOptionBytes = std::array<std::uint8_t, 16>;

// Blocks are counted per session: 0 is the handshake itself, 1 the first read
// or write request after it, and so on. -1 switches a fault off.
struct SimConfig {
    bool pace = false;            // about 1.04 ms per byte each way, like the real line
    bool silent = false;          // never answers
    bool wrongReply = false;      // last byte of the 8-byte handshake reply differs
    bool otherEnding = false;     // sends its own 06h after the reply, expects no confirm
    int noAckAt = -1;             // drops that block's frame and sends no 06h
    int shortReplyAt = -1;        // that block's reply lacks its last byte
    int stallAt = -1;             // that block's reply stops halfway for stallMs
    int stallMs = 500;
    int garbage = 0;              // foreign bytes before every 06h the radio sends
    int endlessGarbageAt = -1;    // from that block on: foreign bytes without end, no answers
    int vanishAt = -1;            // closes the line when that block arrives
    int alterWriteAt = -1;        // acknowledges that write block but stores its first byte changed
    int faultyHandshakes = -1;    // faults only in the first N sessions, then a sound radio
    // A USB adapter's latency timer (SimRadio only): bytes towards the
    // computer leave once this long has passed since the first one waiting,
    // or when a packet's worth is waiting. 0: none.
    int usbLatencyMs = 0;
};

// Bytes of one USB packet of an FTDI adapter towards the computer (64 less its 2 status bytes).
inline constexpr int UsbPacketBytes = 62;

struct GuardedProtocol;  // SimProtocol.h

class SimPeer {
public:
    virtual ~SimPeer() = default;

    // The radio's memory; set it before the client connects.
    RadioMemory Memory() const;
    void SetMemory(const RadioMemory& memory);
    // The memory laid out as the link's image (offset = address - 0010h, wrapping).
    QByteArray ImageBytes() const;
    void SetImageBytes(const QByteArray& image8192);
    // The 16-byte option frame at 0E20h.
    RadioOptionBytes OptionBytes() const;
    void SetOptionBytes(const RadioOptionBytes& frame);

    // Every frame received, in order: the handshake string, 02h, the confirm
    // 06h, read requests (4 bytes), read acknowledgements (06h), write frames
    // (4 + data bytes). Unparsable bytes are not recorded.
    QList<QByteArray> ReceivedFrames() const;
    void ClearReceivedFrames();
    int Handshakes() const;       // handshake strings seen

    // Radio address <-> image offset.
    static int ImageOffset(int address) { return (address - 0x10) & 0x1FFF; }

protected:
    // The radio's protocol; nullptr while the radio is not started.
    virtual GuardedProtocol* Guarded() const = 0;
};
