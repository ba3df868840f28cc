#include "RadioLink.h"
#include "PortNames.h"
#include "SerialLine.h"
#include "base/languagestr.h"

#include <QThread>
#include <array>

namespace {

constexpr std::array<std::uint8_t, 9> HandshakeFrame{'Q', 'W', 'P', 'R', 'X', 'M', 'V', 'Z', '5'};
constexpr std::array<std::uint8_t, 8> HandshakeReply{0x06, 'P', 'R', 'X', 'M', 'V', 'Z', '5'};
constexpr std::uint8_t Ack = 0x06;
constexpr std::uint8_t Continue = 0x02;
constexpr int HandshakeRetryPauseMs = 88;
constexpr int LaterHandshakeAttempts = 5;

// "06 50 52": the form in which a wrong reply is shown.
QString BytesText(const std::uint8_t* bytes, int n)
{
    QStringList pieces;
    for (int i = 0; i < n; ++i)
        pieces << QStringLiteral("%1").arg(bytes[i], 2, 16, QLatin1Char('0')).toUpper();
    return pieces.join(QLatin1Char(' '));
}

// The difference of the character codes at the first position where the two
// texts differ (or of their lengths), as the comparison shown to the user.
int CompareTexts(const QString& a, const QString& b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i)
        if (a[i] != b[i])
            return a[i].unicode() - b[i].unicode();
    return int(a.size() - b.size());
}

QString WrongReplyText(const QString& received, const QString& expected)
{
    return languagestr::DataCrcFaild + QStringLiteral("\r\n|") + received + QStringLiteral("|\r\n|")
        + expected + QLatin1Char('|') + QString::number(CompareTexts(received, expected));
}

QString OpenFailedText(const QString& port, CommOpenFailure why)
{
    if (why == CommOpenFailure::NoPermission)
        return languagestr::OpenPortFaild + QLatin1Char('\n') + PortPermissionHint(port);
    if (why == CommOpenFailure::NotFound)
        return languagestr::OpenPortFaild + QLatin1Char('\n') + PortMissingHint(port);
    return languagestr::OpenPortFaild;
}

} // namespace

std::unique_ptr<RadioLine> RadioLink::SerialPort(const QString& port)
{
    return std::make_unique<SerialLine>(port);
}

RadioLink::RadioLink(LineMaker makeLine) : makeLine_(std::move(makeLine)) {}

RadioLink::~RadioLink() = default;

void RadioLink::Reset()
{
    Close();
    FirstHandshake = true;
    HandshakeAckMode = true;
}

bool RadioLink::OpenLine(const QString& port, CommOpenFailure* why)
{
    Close();  // never leak an exclusive port
    line_ = makeLine_(port);
    return line_->Open(why);
}

void RadioLink::Close()
{
    if (line_)
        line_->Close();
}

bool RadioLink::IsOpen() const
{
    return line_ && line_->IsOpen();
}

void RadioLink::Send(const std::uint8_t* bytes, int n)
{
    if (line_)
        line_->Write(bytes, n);
}

void RadioLink::SendRequest(std::uint8_t kind, int address, int length)
{
    const std::uint8_t frame[4] = {kind, std::uint8_t(address >> 8), std::uint8_t(address), std::uint8_t(length)};
    Send(frame, 4);
}

void RadioLink::SendAck()
{
    Send(&Ack, 1);
}

bool RadioLink::WaitForAck(int code, LinkUi& ui)
{
    for (int skipped = 0; skipped <= MaxSkippedBytes && IsOpen(); ++skipped) {
        std::uint8_t byte = 0;
        if (!line_->ReadByte(byte))
            break;
        if (byte == Ack)
            return true;
    }
    Close();
    if (code != 0)
        ui.Notice(languagestr::ConnectCrcFaild + QStringLiteral("(%1)").arg(code), BoxKind::Plain);
    return false;
}

bool RadioLink::ReadFailed(LinkUi& ui)
{
    ui.Notice(languagestr::PortOperateOut, BoxKind::Plain);
    Close();
    return false;
}

bool RadioLink::ReadBytewise(std::uint8_t* buffer, int n, LinkUi& ui)
{
    for (int i = 0; i < n; ++i)
        if (!IsOpen() || !line_->ReadByte(buffer[i]))
            return ReadFailed(ui);
    return true;
}

bool RadioLink::ReadBurst(std::uint8_t* buffer, int n, LinkUi& ui)
{
    return (IsOpen() && line_->ReadBurst(buffer, n)) || ReadFailed(ui);
}

// The two ways a handshake ends: a confirm answered by the radio, or one
// extra byte from the radio that is read and ignored.
bool RadioLink::FinishHandshake(LinkUi& ui)
{
    if (HandshakeAckMode) {
        SendAck();
        return WaitForAck(1, ui);
    }
    std::uint8_t ignored = 0;
    if (!line_->ReadByte(ignored))
        HandshakeAckMode = true;  // for the next handshake; this one goes on
    return true;
}

// One attempt: open the line, send the handshake, check the reply, end it.
// Retry means: start over with opening the line.
RadioLink::Step RadioLink::HandshakeAttempt(const QString& port, int& attempts, LinkUi& ui)
{
    CommOpenFailure why = CommOpenFailure::None;
    if (!OpenLine(port, &why))
        return ui.Ask(OpenFailedText(port, why), BoxKind::Error) ? Step::Retry : Step::Failed;

    Send(HandshakeFrame.data(), int(HandshakeFrame.size()));
    if (!WaitForAck(0, ui)) {
        ++attempts;
        if (attempts >= LaterHandshakeAttempts || FirstHandshake) {
            ui.Notice(languagestr::DeviceUnconnect, BoxKind::Plain);
            return Step::Failed;
        }
        QThread::msleep(HandshakeRetryPauseMs);
        return Step::Retry;
    }

    Send(&Continue, 1);
    std::array<std::uint8_t, HandshakeReply.size()> reply{};
    if (!ReadBytewise(reply.data(), int(reply.size()), ui))
        return ui.Ask(languagestr::DeviceNoConnectRetry, BoxKind::Error) ? Step::Retry : Step::Failed;

    if (reply != HandshakeReply) {
        Close();
        const QString received = BytesText(reply.data(), int(reply.size()));
        const QString expected = BytesText(HandshakeReply.data(), int(HandshakeReply.size()));
        return ui.Ask(WrongReplyText(received, expected), BoxKind::Error) ? Step::Retry : Step::Failed;
    }
    return FinishHandshake(ui) ? Step::Done : Step::Failed;
}

bool RadioLink::EnterProgrammingMode(const QString& port, LinkUi& ui)
{
    int attempts = 0;
    Step step = Step::Retry;
    while (step == Step::Retry)
        step = HandshakeAttempt(port, attempts, ui);
    if (step == Step::Failed)
        return false;
    FirstHandshake = false;
    return true;
}
