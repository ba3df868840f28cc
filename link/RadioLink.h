#pragma once
// The command layer of the radio protocol on one line: the handshake into
// programming mode with its two endings, request frames, acknowledgements and
// replies. The link owns its line while an exchange runs and keeps the
// handshake state from one exchange to the next.
//
// Frames (bytes):
//   handshake   51 57 50 52 58 4D 56 5A 35 ("QWPRXMVZ5"), the radio answers 06h;
//               then 02h, the radio answers 06 50 52 58 4D 56 5A 35;
//               then, in the confirm ending, 06h answered by 06h, or in the
//               other ending one extra byte from the radio, read and ignored
//   request     "R" or "W", address high, address low, length (+ data for "W")
//   ack         06h
//
// Failures show their message through LinkUi and close the line; callers
// stop without a further message. Threads: a link runs on whichever thread
// runs the exchange, one exchange at a time; LinkUi is called on that thread.
#include "LinkUi.h"
#include "RadioLine.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

class RadioLink {
public:
    // Makes the line for a port name; by default a serial port.
    using LineMaker = std::function<std::unique_ptr<RadioLine>(const QString& port)>;
    static std::unique_ptr<RadioLine> SerialPort(const QString& port);

    explicit RadioLink(LineMaker makeLine = SerialPort);
    ~RadioLink();
    RadioLink(const RadioLink&) = delete;
    RadioLink& operator=(const RadioLink&) = delete;

    // Opens `port` and puts the radio into programming mode, with the retries
    // and questions of the handshake. On true the line is open.
    bool EnterProgrammingMode(const QString& port, LinkUi& ui);
    // Only opens the line to `port` (closing the one open before).
    bool OpenLine(const QString& port, CommOpenFailure* why = nullptr);

    // A read or write request; writes are drained, so a lost one shows up as
    // a missing reply.
    void SendRequest(std::uint8_t kind, int address, int length);
    void Send(const std::uint8_t* bytes, int n);
    void SendAck();

    // Waits for 06h, skipping at most MaxSkippedBytes other bytes. On failure
    // the line is closed and, for a code other than 0,
    // "Connect Crc faild code:(code)" is shown.
    bool WaitForAck(int code, LinkUi& ui);
    static constexpr int MaxSkippedBytes = 256;

    // n reply bytes, one read each (ReadBytewise) or in one burst
    // (ReadBurst). A missing byte shows "Error port operate out!" and closes.
    bool ReadBytewise(std::uint8_t* buffer, int n, LinkUi& ui);
    bool ReadBurst(std::uint8_t* buffer, int n, LinkUi& ui);

    void Close();
    bool IsOpen() const;

    // Back to the program's start values: line closed, both flags true.
    void Reset();

    // True until the first successful handshake: the first one is not retried.
    bool FirstHandshake = true;
    // True: the handshake ends with 06h both ways; false: the other ending.
    bool HandshakeAckMode = true;

private:
    enum class Step { Done, Failed, Retry };
    Step HandshakeAttempt(const QString& port, int& attempts, LinkUi& ui);
    bool FinishHandshake(LinkUi& ui);
    bool ReadFailed(LinkUi& ui);

    LineMaker makeLine_;
    std::unique_ptr<RadioLine> line_;
};
