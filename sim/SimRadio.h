#pragma once
// A simulated radio behind a pseudo-terminal: the handshake, 68-byte read
// replies, acknowledgements and writes into its own 8 KiB memory (radio
// addresses 0000h-1FFFh, option block at 0E00h), with switchable faults and
// optional 9600-baud pacing. It runs on its own thread; the client opens
// DevicePath() like any serial device.
#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>

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
    int vanishAt = -1;            // closes the pseudo-terminal when that block arrives
    int alterWriteAt = -1;        // acknowledges that write block but stores its first byte changed
    int faultyHandshakes = -1;    // faults only in the first N sessions, then a sound radio
};

class SimRadio {
public:
    SimRadio();
    ~SimRadio();                  // stops
    SimRadio(const SimRadio&) = delete;
    SimRadio& operator=(const SimRadio&) = delete;

    // Opens a pseudo-terminal and starts answering. False with `error` set
    // when no pseudo-terminal could be had.
    bool Start(const SimConfig& config, QString* error = nullptr);
    void Stop();
    bool Running() const;         // false after Stop or a vanish
    QString DevicePath() const;   // the client's side, e.g. /dev/pts/3

    // The radio's memory; set it after Start and before the client connects.
    RadioMemory Memory() const;
    void SetMemory(const RadioMemory& memory);
    // The memory laid out as MemoryImage (offset = address - 0010h, wrapping).
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

    // Radio address <-> image offset of MemoryImage.
    static int ImageOffset(int address) { return (address - 0x10) & 0x1FFF; }

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
