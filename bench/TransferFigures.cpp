#include "TransferFigures.h"
#include "WireBytes.h"

#include "channels/ImageVerify.h"
#include "link/Transfers.h"

#include <QElapsedTimer>
#include <functional>
#include <QTextStream>
#include <sys/resource.h>

namespace {

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

using Transfer = std::function<bool(LinkUi&)>;

bool Measure(const QString& label, int wireBytes, const Transfer& transfer, Figures& figures)
{
    StderrUi ui;
    QElapsedTimer wall;
    const double cpuBefore = CpuSeconds();
    wall.start();
    const bool ok = transfer(ui);
    const double wallSeconds = double(wall.nsecsElapsed()) / 1e9;
    const double cpu = CpuSeconds() - cpuBefore;
    const double wire = wireBytes * SecondsPerByte;
    const double ratio = wallSeconds / wire;
    figures << Figure{label + QStringLiteral(": wall / wire-time bound"),
                      ok ? QStringLiteral("%1 s / %2 s = %3").arg(wallSeconds, 0, 'f', 3).arg(wire, 0, 'f', 3).arg(ratio, 0, 'f', 3)
                         : QStringLiteral("FAILED"),
                      QStringLiteral("<= %1").arg(RatioGoal), ok && ratio <= RatioGoal};
    figures << Figure{label + QStringLiteral(": client CPU"),
                      QStringLiteral("%1 s (%2% of wall)").arg(cpu, 0, 'f', 3).arg(100 * cpu / wallSeconds, 0, 'f', 1),
                      QStringLiteral("< %1% of wall").arg(100 * CpuGoal), cpu < CpuGoal * wallSeconds};
    return ok;
}

} // namespace

bool MeasureTransfers(const QString& device, Figures& figures)
{
    MemoryImageBytes image{}, readBack{};
    RadioLink link;
    // On a worker while this thread waits, as the windows run them.
    const auto read = [&](MemoryImageBytes& buffer, LinkUi& ui) {
        return RunOnWorker([&](const ProgressFn& p) { return ReadChannelMemory(link, 128, device, buffer, ui, p); },
                           {});
    };
    const auto write = [&](LinkUi& ui) {
        return RunOnWorker([&](const ProgressFn& p) { return WriteChannelMemory(link, 128, device, image, ui, p); },
                           {});
    };
    // Verify costs one read: the bound is both passes' bytes.
    const Transfer writeAndVerify = [&](LinkUi& ui) {
        return write(ui) && read(readBack, ui) && FirstImageDifference(image, readBack).Same();
    };
    return Measure(QStringLiteral("channel read"), ReadBytes, [&](LinkUi& ui) { return read(image, ui); }, figures)
        && Measure(QStringLiteral("channel write"), WriteBytes, write, figures)
        && Measure(QStringLiteral("channel write + verify"), WriteBytes + ReadBytes, writeAndVerify, figures);
}
