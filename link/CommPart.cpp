#include "CommPart.h"
#include "PortNames.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QSerialPort>
#include <QThread>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <termios.h>
#endif
#ifdef Q_OS_LINUX
#include <linux/serial.h>
#include <sys/ioctl.h>
#elif defined(Q_OS_WIN)
#include <windows.h>
#endif

struct TCommPort {
    QSerialPort serial;
};

namespace {

constexpr int InterByteGapMs = 288;
constexpr int ReadMsPerByte = 1000;
constexpr int ReadConstantMs = 100;
constexpr int WriteMsPerByte = 2000;
constexpr int WriteConstantMs = 2;
constexpr int LargestReadChunk = 68;  // 4-byte header + 64 data bytes

CommOpenFailure FailureOf(const QSerialPort& serial, const QString& device)
{
    switch (serial.error()) {
    case QSerialPort::DeviceNotFoundError:
        return CommOpenFailure::NotFound;
    case QSerialPort::PermissionError: {
#ifdef Q_OS_WIN
        // Windows denies a port that another program holds; a free one opens for any user.
        Q_UNUSED(device);
        return CommOpenFailure::InUse;
#else
        // Qt reports a busy or locked device as a permission error too.
        const QFileInfo info(device);
        if (info.exists() && !(info.isReadable() && info.isWritable()))
            return CommOpenFailure::NoPermission;
        return CommOpenFailure::InUse;
#endif
    }
    default:
        return CommOpenFailure::Other;
    }
}

// A USB cable's latency timer (FTDI's is 16 ms) holds back every byte
// towards the computer, each acknowledgement too; the driver's low-latency
// flag passes them on at once. A port without the flag (a pseudo-terminal)
// refuses it, and the exchange goes on as before.
void AskLowLatency(QSerialPort& serial)
{
#ifdef Q_OS_LINUX
    serial_struct info{};
    const int fd = int(serial.handle());
    if (::ioctl(fd, TIOCGSERIAL, &info) == 0 && !(info.flags & ASYNC_LOW_LATENCY)) {
        info.flags |= ASYNC_LOW_LATENCY;
        ::ioctl(fd, TIOCSSERIAL, &info);
    }
#else
    Q_UNUSED(serial);
#endif
}

bool Configure(QSerialPort& serial)
{
    AskLowLatency(serial);
    const bool lineSet = serial.setBaudRate(9600) && serial.setDataBits(QSerialPort::Data8)
        && serial.setParity(QSerialPort::NoParity) && serial.setStopBits(QSerialPort::OneStop)
        && serial.setFlowControl(QSerialPort::NoFlowControl);
    // A device without modem lines (a pseudo-terminal) refuses these: not an error.
    serial.setDataTerminalReady(true);
    serial.setRequestToSend(true);
    serial.clearError();
    return lineSet && serial.clear(QSerialPort::AllDirections);
}

// One read call: up to n bytes, bounded by the total time-out of n bytes and,
// once bytes flow, by the silence allowed between two bytes.
int ReadOnce(QSerialPort& serial, std::uint8_t* buffer, int n)
{
    const QDeadlineTimer total(qint64(ReadMsPerByte) * n + ReadConstantMs);
    int got = 0;
    for (;;) {
        got += int(std::max<qint64>(0, serial.read(reinterpret_cast<char*>(buffer) + got, n - got)));
        if (got >= n)
            return got;
        qint64 wait = total.remainingTime();
        if (got > 0)
            wait = std::min<qint64>(wait, InterByteGapMs);
        if (wait <= 0 || !serial.waitForReadyRead(int(wait)))
            return got;
    }
}

// Blocks until the bytes handed to the driver have left the line.
void DrainLine(QSerialPort& serial)
{
#ifdef Q_OS_UNIX
    ::tcdrain(int(serial.handle()));
#elif defined(Q_OS_WIN)
    ::FlushFileBuffers(serial.handle());
#else
    Q_UNUSED(serial);
#endif
}

} // namespace

TCommPort* OpenComm(const QString& name, CommOpenFailure* why)
{
    const QString device = PortDevice(name);
    auto port = new TCommPort;
    port->serial.setPortName(device);
    CommOpenFailure failure = CommOpenFailure::None;
    if (device.isEmpty())
        failure = CommOpenFailure::NotFound;
    else if (!port->serial.open(QIODevice::ReadWrite))
        failure = FailureOf(port->serial, device);
    else if (!Configure(port->serial))
        failure = CommOpenFailure::Other;
    if (why)
        *why = failure;
    if (failure == CommOpenFailure::None)
        return port;
    delete port;
    return nullptr;
}

void CloseComm(TCommPort*& slot)
{
    delete slot;  // QSerialPort closes on destruction
    slot = nullptr;
}

bool ReadCommByte(TCommPort* port, std::uint8_t& byte)
{
    return port && ReadOnce(port->serial, &byte, 1) == 1;
}

bool WriteCommBuffer(TCommPort* port, const std::uint8_t* bytes, int n)
{
    if (!port)
        return false;
    QSerialPort& serial = port->serial;
    const QDeadlineTimer limit(qint64(WriteMsPerByte) * n + WriteConstantMs);
    bool sent = serial.write(reinterpret_cast<const char*>(bytes), n) == n;
    while (sent && serial.bytesToWrite() > 0)
        sent = !limit.hasExpired() && serial.waitForBytesWritten(int(std::max<qint64>(1, limit.remainingTime())));
    if (sent)
        DrainLine(serial);
    QThread::msleep(PauseAfterWriteMs);
    return sent;
}

bool ReadCommBuffer(TCommPort* port, std::uint8_t* buffer, int n, int* received)
{
    int got = 0;
    int last = 0;
    if (port) {
        do {
            last = ReadOnce(port->serial, buffer + got, std::min(n - got, LargestReadChunk));
            got += last;
        } while (got < n && last > 0);
    }
    if (received)
        *received = got;
    return last > 0;
}
