#include "StartupFigures.h"

#include "Offscreen.h"

#include <QCoreApplication>
#include <QMap>
#include <QProcess>
#include <algorithm>
#include <chrono>

namespace {

constexpr int Runs = 7;
constexpr double StartupGoalSeconds = 1.5;
constexpr double OwnCodeGoalSeconds = 0.100;

qint64 MonotonicMicros()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// One start: the steps' times in seconds after the process was started.
// Empty when fane5 did not report.
QMap<QString, double> StartOnce(const QString& program)
{
    QProcess fane5;
    QProcessEnvironment environment = OffscreenDesktop();
    environment.insert(QStringLiteral("FANE5_EXIT_AFTER_SHOW"), QStringLiteral("1"));
    fane5.setProcessEnvironment(environment);
    fane5.setStandardErrorFile(QProcess::nullDevice());
    const qint64 started = MonotonicMicros();
    fane5.start(program, {});
    QMap<QString, double> steps;
    if (!fane5.waitForFinished(30000) || fane5.exitCode() != 0)
        return steps;
    const QStringList words = QString::fromLocal8Bit(fane5.readAllStandardOutput()).simplified().split(QLatin1Char(' '));
    if (words.value(0) != QLatin1String("startup"))
        return steps;
    for (const QString& word : words.mid(1)) {
        const QStringList pair = word.split(QLatin1Char('='));
        steps[pair.value(0)] = double(pair.value(1).toLongLong() - started) / 1e6;
    }
    return steps;
}

double Median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

} // namespace

bool MeasureStartup(Figures& figures)
{
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/fane5");
    QList<double> total, withoutLoop, loading, qtSetUp, loop, own;
    for (int run = 0; run < Runs; ++run) {
        const QMap<QString, double> s = StartOnce(program);
        if (!s.contains(QStringLiteral("shown")) || !s.contains(QStringLiteral("loop"))) {
            figures << Figure{QStringLiteral("start-up"), QStringLiteral("FAILED"), {}, false};
            return false;
        }
        const double splashLoop = s["loop"] - s["splash"];
        total << s["shown"];
        withoutLoop << s["shown"] - splashLoop;
        loading << s["main"];
        qtSetUp << s["app"] - s["main"];
        loop << splashLoop;
        own << s["shown"] - s["main"] - splashLoop;
    }
    const QString runs = QStringLiteral(" (median of %1)").arg(Runs);
    figures << Figure{QStringLiteral("start-up to main window shown, with splash loop") + runs, Millis(Median(total)),
                      QStringLiteral("< %1 s").arg(StartupGoalSeconds), Median(total) < StartupGoalSeconds};
    figures << Figure{QStringLiteral("start-up without the splash loop"), Millis(Median(withoutLoop)),
                      QStringLiteral("< %1 s").arg(StartupGoalSeconds), Median(withoutLoop) < StartupGoalSeconds};
    figures << Figure{QStringLiteral("  Qt's library loading (process start to main())"), Millis(Median(loading)), {}};
    figures << Figure{QStringLiteral("  the splash loop (51 passes, 1 ms sleep each)"), Millis(Median(loop)), {}};
    figures << Figure{QStringLiteral("  our code: main() to shown, without the splash loop"), Millis(Median(own)),
                      QStringLiteral("< %1 ms").arg(OwnCodeGoalSeconds * 1000), Median(own) < OwnCodeGoalSeconds};
    figures << Figure{QStringLiteral("    of which QApplication's own set-up"), Millis(Median(qtSetUp)), {}};
    return true;
}
