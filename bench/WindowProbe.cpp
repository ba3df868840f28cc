#include "WindowProbe.h"

#include "Offscreen.h"
#include "app/PortChoice.h"
#include "app/main_f.h"
#include "base/languagestr.h"
#include "link/LinkUi.h"
#include "ui/channels/celframe.h"
#include "ui/common/GuiLinkUi.h"
#include "ui/options/OptionDova.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <cstdio>

namespace {

constexpr double GapGoalMs = 50;
constexpr double MemoryGoalMiB = 80;

// The longest time between two turns of the window thread's event loop, as
// a 1 ms timer sees it.
class LoopGapMeter {
public:
    LoopGapMeter()
    {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
    }
    void Start()
    {
        longest_ = 0;
        last_ = 0;
        clock_.start();
        timer_.start();
    }
    // Waits for one more turn, so that work after the last one counts too.
    qint64 StopMicros()
    {
        const int seen = ticks_;
        while (ticks_ == seen)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        timer_.stop();
        return longest_ / 1000;
    }

private:
    void Tick()
    {
        const qint64 now = clock_.nsecsElapsed();
        longest_ = std::max(longest_, now - last_);
        last_ = now;
        ++ticks_;
    }
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0, longest_ = 0;
    int ticks_ = 0;
};

qint64 PeakResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QRegularExpression hwm(QStringLiteral("^VmHWM:\\s*(\\d+) kB"), QRegularExpression::MultilineOption);
    return hwm.match(QString::fromLatin1(status.readAll())).captured(1).toLongLong();
}

} // namespace

int RunWindowProbe(int& argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    NotedLinkUi noted;  // the probe has no user
    GuiLinkUi boxes;
    const std::unique_ptr<PortChoice> ports = PortChoice::ForThisSystem();
    TForm1 form1(boxes, *ports);
    form1.SetChannelForm([&noted](QWidget* owner) {
        auto* form = new TForm2(owner);
        form->SetLinkUi(&noted);
        return form;
    });
    form1.SetParamForm([&noted](QWidget* owner) { return new TFormDova(owner, &noted); });
    form1.UseCommandLinePort(QString::fromLocal8Bit(argv[2]));
    form1.showMaximized();
    QCoreApplication::processEvents();

    // The channel window writes its default channels (and reads them back to
    // verify), then reads them.
    LoopGapMeter meter;
    form1.menu22Click();
    meter.Start();
    form1.ToolButton8Click();
    const qint64 writeGap = meter.StopMicros();
    meter.Start();
    form1.ToolButton6Click();
    const qint64 readGap = meter.StopMicros();
    form1.menu23Click();
    form1.ToolButton6Click();  // the options window reads
    QCoreApplication::processEvents();

    using namespace languagestr;
    // The write's box also says what its verify found.
    const bool ok = noted.texts.size() == 3 && noted.texts[0].startsWith(TranslateComplete)
        && noted.texts.mid(1) == QStringList{ReciveComplete, ReciveComplete};
    std::printf("probe readgap=%lld writegap=%lld hwm=%lld ok=%d\n", readGap, writeGap, PeakResidentKiB(), int(ok));
    for (const QString& text : noted.texts)
        std::fprintf(stderr, "%s\n", qPrintable(text));
    return ok ? 0 : 1;
}

bool MeasureWindows(const QString& device, Figures& figures)
{
    QProcess probe;
    probe.setProcessEnvironment(OffscreenDesktop());
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    probe.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(WindowProbeFlag), device});
    const bool finished = probe.waitForFinished(120000);
    const QString line = QString::fromLocal8Bit(probe.readAllStandardOutput());
    const auto value = [&line](const char* key) {
        return QRegularExpression(QStringLiteral("%1=(-?\\d+)").arg(QLatin1String(key))).match(line).captured(1).toLongLong();
    };
    const bool ok = finished && probe.exitCode() == 0 && value("ok") == 1;
    for (const auto& [key, what] : {std::pair{"readgap", "channel read"}, std::pair{"writegap", "channel write + verify"}}) {
        const double ms = value(key) / 1000.0;
        figures << Figure{QStringLiteral("GUI: longest event-loop gap, %1").arg(QLatin1String(what)),
                          ok ? QStringLiteral("%1 ms").arg(ms, 0, 'f', 1) : QStringLiteral("FAILED"),
                          QStringLiteral("< %1 ms").arg(GapGoalMs), ok && ms < GapGoalMs};
    }
    const double mib = value("hwm") / 1024.0;
    figures << Figure{QStringLiteral("peak memory (VmHWM), both windows, radio read"),
                      ok ? QStringLiteral("%1 MiB").arg(mib, 0, 'f', 1) : QStringLiteral("FAILED"),
                      QStringLiteral("< %1 MiB").arg(MemoryGoalMiB), ok && mib < MemoryGoalMiB};
    return ok;
}
