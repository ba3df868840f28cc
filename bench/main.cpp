// fane5-bench: a full channel read and write against `fane5-sim --pace`, each
// timed against the least time its bytes need on a 9600-baud line.
#include "Frames.h"
#include "Transfers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>
#include <sys/resource.h>

namespace {

// Bytes on the wire, both directions.
constexpr int HandshakeBytes = 9 + 1 + 1 + 8 + 1 + 1;  // string, 06, 02, reply, 06, 06
constexpr int ReadBlockBytes = 4 + 68 + 1 + 1;         // request, reply, 06, 06
constexpr int WriteBlockBytes = 4 + 16 + 1;            // header, data, 06
constexpr int ReadBytes = HandshakeBytes + 64 * ReadBlockBytes;
constexpr int WriteBytes = HandshakeBytes + 256 * WriteBlockBytes;
constexpr double SecondsPerByte = 10.0 / 9600.0;       // start + 8 data + stop bits
constexpr double RatioGoal = 1.05;
constexpr double CpuGoal = 0.05;

class StderrUi : public LinkUi {
public:
    void Notice(const QString& text, BoxKind) override { QTextStream(stderr) << text << Qt::endl; }
    bool Ask(const QString& text, BoxKind) override
    {
        QTextStream(stderr) << text << Qt::endl;
        return false;
    }
};

double CpuSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

bool Measure(const QString& label, ChannelTransferMode mode, int wireBytes, const QString& device,
             MemoryImageBytes& image, QTextStream& out)
{
    StderrUi ui;
    QElapsedTimer wall;
    const double cpuBefore = CpuSeconds();
    wall.start();
    const bool ok = RunChannelTransfer(mode, device, image, ui, [](int, int) {});
    const double wallSeconds = double(wall.nsecsElapsed()) / 1e9;
    const double cpu = CpuSeconds() - cpuBefore;
    const double wire = wireBytes * SecondsPerByte;
    const double ratio = wallSeconds / wire;
    out << QStringLiteral("%1  %2 s  %3 s (%4 bytes)  %5  %6 s  %7%  %8\n")
               .arg(label, -5)
               .arg(wallSeconds, 6, 'f', 3)
               .arg(wire, 6, 'f', 3)
               .arg(wireBytes)
               .arg(ratio, 5, 'f', 3)
               .arg(cpu, 5, 'f', 3)
               .arg(100 * cpu / wallSeconds, 4, 'f', 1)
               .arg(!ok ? QStringLiteral("FAILED")
                        : ratio <= RatioGoal && cpu <= CpuGoal * wallSeconds ? QStringLiteral("goal met")
                                                                           : QStringLiteral("over goal"));
    out.flush();
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(QCoreApplication::applicationDirPath() + QStringLiteral("/fane5-sim"), {QStringLiteral("--pace")});
    while (sim.waitForReadyRead(10000) && !sim.canReadLine()) {
    }
    const QString device = QString::fromLocal8Bit(sim.readLine()).trimmed();
    if (device.isEmpty()) {
        QTextStream(stderr) << "fane5-sim did not start" << Qt::endl;
        return 1;
    }

    out << "transfer  wall  wire-time bound  ratio  client CPU  CPU/wall  (goal: ratio <= "
        << RatioGoal << ", CPU < " << 100 * CpuGoal << "% of wall)\n";
    MemoryImageBytes image{};
    const bool ok = Measure(QStringLiteral("read"), ChannelTransferMode::Read, ReadBytes, device, image, out)
        && Measure(QStringLiteral("write"), ChannelTransferMode::Write, WriteBytes, device, image, out);
    sim.terminate();
    sim.waitForFinished(5000);
    return ok ? 0 : 1;
}
