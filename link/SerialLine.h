#pragma once
// The radio line on a serial port: "com1".."com9" (see PortNames.h) or a
// device path, with the cable's line setting and time-outs (CommPart.h).
#include "CommPart.h"
#include "RadioLine.h"

#include <QString>

class SerialLine final : public RadioLine {
public:
    explicit SerialLine(QString port) : port_(std::move(port)) {}
    ~SerialLine() override { Close(); }

    bool Open(CommOpenFailure* why) override;
    void Close() override { CloseComm(open_); }
    bool IsOpen() const override { return open_ != nullptr; }
    bool ReadByte(std::uint8_t& byte) override { return ReadCommByte(open_, byte); }
    bool ReadBurst(std::uint8_t* buffer, int n) override { return ReadCommBuffer(open_, buffer, n); }
    bool Write(const std::uint8_t* bytes, int n) override { return WriteCommBuffer(open_, bytes, n); }

private:
    QString port_;
    TCommPort* open_ = nullptr;
};
