#include "Frames.h"
#include "PortNames.h"
#include "base/languagestr.h"

#include <QStringList>
#include <QThread>

TCommPort* RadioPort = nullptr;
QByteArray CommandBytes;
bool FirstHandshake = true;
bool HandshakeAckMode = true;

namespace {

constexpr char HandshakeString[] = "QWPRXMVZ5";
constexpr int HandshakeReplyBytes = 8;
constexpr int HandshakeRetryPauseMs = 88;
constexpr int LaterHandshakeAttempts = 5;

QString BytesToText(const QByteArray& bytes)
{
    QString text;
    for (const char c : bytes)
        text += QStringLiteral("%1 ").arg(quint8(c), 2, 16, QLatin1Char('0')).toUpper();
    return text;
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

QString OpenFailedText(const QString& name, CommOpenFailure why)
{
    if (why == CommOpenFailure::NoPermission)
        return languagestr::OpenPortFaild + QLatin1Char('\n') + PortPermissionHint(name);
    if (why == CommOpenFailure::NotFound)
        return languagestr::OpenPortFaild + QLatin1Char('\n') + PortMissingHint(name);
    return languagestr::OpenPortFaild;
}

enum class Step { Done, Failed, Retry };

// The two ways a handshake ends: a confirm answered by the radio, or one
// extra byte from the radio that is read and ignored.
bool FinishHandshake(LinkUi& ui)
{
    if (HandshakeAckMode) {
        SendCommand(QStringLiteral("06 "));
        return WaitForByte(QStringLiteral("06 "), 1, ui);
    }
    std::uint8_t ignored = 0;
    if (!ReadCommByte(RadioPort, ignored))
        HandshakeAckMode = true;  // for the next handshake; this one goes on
    return true;
}

// One attempt: open the port, send the handshake, check the reply, end it.
// Retry means: start over with opening the port.
Step HandshakeAttempt(const QString& name, int& attempts, LinkUi& ui)
{
    CommOpenFailure why = CommOpenFailure::None;
    if (!OpenRadioPort(name, &why))
        return ui.Ask(OpenFailedText(name, why), BoxKind::Error) ? Step::Retry : Step::Failed;

    SendCommand(HandshakeText());
    if (!WaitForByte(QStringLiteral("06 "), 0, ui)) {
        ++attempts;
        if (attempts >= LaterHandshakeAttempts || FirstHandshake) {
            ui.Notice(languagestr::DeviceUnconnect, BoxKind::Plain);
            return Step::Failed;
        }
        QThread::msleep(HandshakeRetryPauseMs);
        return Step::Retry;
    }

    SendCommand(QStringLiteral("02 "));
    QString reply;
    if (!ReadReplyText(reply, HandshakeReplyBytes, ui))
        return ui.Ask(languagestr::DeviceNoConnectRetry, BoxKind::Error) ? Step::Retry : Step::Failed;

    const QString received = reply.trimmed();
    const QString expected = ExpectedHandshakeReply().trimmed();
    if (received != expected) {
        CloseRadioPort();
        return ui.Ask(WrongReplyText(received, expected), BoxKind::Error) ? Step::Retry : Step::Failed;
    }
    return FinishHandshake(ui) ? Step::Done : Step::Failed;
}

} // namespace

void ResetLinkState()
{
    CloseRadioPort();
    CommandBytes.clear();
    FirstHandshake = true;
    HandshakeAckMode = true;
}

QString HandshakeText()
{
    return BytesToText(QByteArray(HandshakeString));
}

QString ExpectedHandshakeReply()
{
    return BytesToText(QByteArray(1, '\x06') + QByteArray(HandshakeString).right(7));
}

int HexTextToBytes(const QString& text)
{
    // Texts come from the program itself; an empty or non-hex piece gives 00h.
    QStringList pieces = text.toUpper().split(QLatin1Char(' '));
    if (pieces.last().isEmpty())
        pieces.removeLast();
    CommandBytes.clear();
    for (const QString& piece : pieces)
        CommandBytes.append(char(piece.toUInt(nullptr, 16) & 0xFF));
    return int(CommandBytes.size());
}

bool SendCommand(const QString& text)
{
    const int n = HexTextToBytes(text);
    WriteCommBuffer(RadioPort, reinterpret_cast<const std::uint8_t*>(CommandBytes.constData()), n);
    return true;
}

bool WaitForByte(const QString& text, int code, LinkUi& ui)
{
    HexTextToBytes(text);
    const std::uint8_t expected = CommandBytes.isEmpty() ? 0 : std::uint8_t(CommandBytes[0]);
    for (int skipped = 0; skipped <= MaxSkippedBytes; ++skipped) {
        std::uint8_t byte = 0;
        if (!ReadCommByte(RadioPort, byte))
            break;
        if (byte == expected)
            return true;
    }
    CloseRadioPort();
    if (code != 0)
        ui.Notice(languagestr::ConnectCrcFaild + QStringLiteral("(%1)").arg(code), BoxKind::Plain);
    return false;
}

bool ReadReplyText(QString& text, int n, LinkUi& ui)
{
    QByteArray bytes;
    text.clear();
    for (int i = 0; i < n; ++i) {
        std::uint8_t byte = 0;
        if (!ReadCommByte(RadioPort, byte)) {
            ui.Notice(languagestr::PortOperateOut, BoxKind::Plain);
            CloseRadioPort();
            return false;
        }
        bytes.append(char(byte));
    }
    text = BytesToText(bytes);
    return true;
}

bool OpenRadioPort(const QString& name, CommOpenFailure* why)
{
    CloseRadioPort();  // never leak an exclusive port
    RadioPort = OpenComm(name, why);
    return RadioPort != nullptr;
}

void CloseRadioPort()
{
    CloseComm(RadioPort);
}

bool EnterProgrammingMode(const QString& name, LinkUi& ui)
{
    int attempts = 0;
    Step step = Step::Retry;
    while (step == Step::Retry)
        step = HandshakeAttempt(name, attempts, ui);
    if (step == Step::Failed)
        return false;
    FirstHandshake = false;
    return true;
}

int HexTextByteAt(const QString& text, int k)
{
    if (k < 0 || 3 * k + 2 > text.size())
        return -1;
    bool ok = false;
    const int value = text.mid(3 * k, 2).toInt(&ok, 16);
    return ok && value >= 0 ? value : -1;  // "-F" parses, but is no byte
}
