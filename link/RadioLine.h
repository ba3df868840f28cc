#pragma once
// The byte line under the radio link: a serial port (SerialLine), or a radio
// simulated in this process (sim/InProcessRadio). Nothing above it knows
// which. Failures are results; a line never shows a message.
#include <cstdint>

// Why an open failed, so the link can say it in the user's terms.
enum class CommOpenFailure { None, NotFound, InUse, NoPermission, Other };

// The pause after each write, so that frames stay separate bursts on the line.
inline constexpr int PauseAfterWriteMs = 3;

class RadioLine {
public:
    virtual ~RadioLine() = default;

    // Opens the line exclusively.
    virtual bool Open(CommOpenFailure* why) = 0;
    // Closes it; a closed line is left alone.
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    // One byte; false on time-out (about 1.1 s on a serial line) or error.
    virtual bool ReadByte(std::uint8_t& byte) = 0;
    // n bytes in one burst; false when they did not all come (a reply cut short).
    virtual bool ReadBurst(std::uint8_t* buffer, int n) = 0;
    // Writes n bytes and returns once they have left, after PauseAfterWriteMs.
    virtual bool Write(const std::uint8_t* bytes, int n) = 0;
};
