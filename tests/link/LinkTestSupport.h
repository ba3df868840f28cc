#pragma once
// Shared pieces of the link tests: a LinkUi that records every text and
// answers from a script, the link the tests run on, a simulated radio per
// test, and frame names.
#include "link/CommPart.h"
#include "link/LinkUi.h"
#include "link/RadioLink.h"
#include "sim/SimRadio.h"

#include <QList>
#include <QMutex>
#include <QRandomGenerator>
#include <QStringList>
#include <QTest>
#include <memory>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

class ScriptedUi : public LinkUi {
public:
    explicit ScriptedUi(QList<bool> answers = {}) : answers_(std::move(answers)) {}

    void Notice(const QString& text, BoxKind kind) override
    {
        QMutexLocker locker(&mutex_);
        texts_ << text;
        kinds_ << kind;
    }
    bool Ask(const QString& text, BoxKind kind) override
    {
        QMutexLocker locker(&mutex_);
        texts_ << text;
        kinds_ << kind;
        return !answers_.isEmpty() && answers_.takeFirst();  // No when the script ends
    }
    QStringList Texts() const { QMutexLocker locker(&mutex_); return texts_; }
    QList<BoxKind> Kinds() const { QMutexLocker locker(&mutex_); return kinds_; }

private:
    mutable QMutex mutex_;
    QList<bool> answers_;
    QStringList texts_;
    QList<BoxKind> kinds_;
};

// The link of the test program, on the serial ports.
inline RadioLink& TestLink()
{
    static RadioLink link;
    return link;
}

inline RadioMemory RandomMemory(quint32 seed)
{
    RadioMemory memory;
    QRandomGenerator random(seed);
    for (auto& byte : memory)
        byte = std::uint8_t(random.bounded(256));
    return memory;
}

// A fresh radio with random memory and the link back at its start values.
inline std::unique_ptr<SimRadio> StartRadio(const SimConfig& config, quint32 seed = 1)
{
    TestLink().Reset();
    auto radio = std::make_unique<SimRadio>();
    QString error;
    if (!radio->Start(config, &error))
        qFatal("%s", qPrintable(error));
    radio->SetMemory(RandomMemory(seed));
    return radio;
}

// Frames as short names: the handshake, 02, 06, "R 0010", "W 0010 +16".
inline QStringList FrameNames(const QList<QByteArray>& frames)
{
    QStringList names;
    for (const QByteArray& f : frames) {
        if (f.size() == 1)
            names << QString::fromLatin1(f.toHex().toUpper());
        else if (f.size() >= 4 && (f[0] == 'R' || f[0] == 'W'))
            names << QStringLiteral("%1 %2%3").arg(QLatin1Char(f[0])).arg(f.mid(1, 2).toHex().toUpper(),
                       f.size() > 4 ? QStringLiteral(" +%1").arg(f.size() - 4) : QString());
        else
            names << QString::fromLatin1(f);
    }
    return names;
}

inline QStringList Only(const QStringList& names, QChar kind)
{
    QStringList out;
    for (const QString& n : names)
        if (n.startsWith(kind) && n.size() > 1 && n[1] == QLatin1Char(' '))
            out << n;
    return out;
}

// The port is closed and free: it can be opened again at once.
inline bool PortIsFree(const QString& device)
{
    if (TestLink().IsOpen())
        return false;
    TCommPort* port = OpenComm(device);
    const bool free = port != nullptr;
    CloseComm(port);
    return free;
}

// A pseudo-terminal whose master side the test reads and writes.
struct RawPty {
    int master = -1;
    QString device;
    RawPty()
    {
        int slave = -1;
        char name[256] = {};
        if (::openpty(&master, &slave, name, nullptr, nullptr) != 0)
            qFatal("openpty failed");
        termios raw{};
        ::tcgetattr(slave, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(slave, TCSANOW, &raw);
        ::close(slave);
        device = QString::fromLocal8Bit(name);
    }
    ~RawPty() { ::close(master); }
    void Send(const QByteArray& bytes) { QCOMPARE_GE(::write(master, bytes.constData(), bytes.size()), 0); }
    QByteArray Take(int n)
    {
        QByteArray got;
        while (got.size() < n) {
            char c;
            if (::read(master, &c, 1) != 1)
                break;
            got.append(c);
        }
        return got;
    }
};

