// The verbs of a radio officer: compare (what a write would change on the
// radio) and program (the same file into one radio after another).
#include "ChannelSteps.h"
#include "CliExchange.h"
#include "base/FileBytes.h"
#include "exchange/RadioCompare.h"
#include "exchange/RadioRun.h"
#include "exchange/RunLog.h"
#include "options/OptionFile.h"
#include "options/OptionFrame.h"

#include <cstdio>
#include <iostream>
#include <string>

namespace {

void PrintOut(const QString& line)
{
    std::printf("%s\n", line.toLocal8Bit().constData());
    std::fflush(stdout);
}

// Exit 0 when the radio holds the file, 1 when it differs, 2 when nothing was read.
int CompareOutcome(const CompareReport& report, const QString& path)
{
    if (!report.Read.Done)
        return ExitNothingDone;
    for (const QString& line : report.Differences)
        PrintOut(line);
    if (report.Same())
        PrintLine(QStringLiteral("The radio holds exactly what %1 holds.").arg(path));
    return report.Same() ? ExitSuccess : ExitDifferent;
}

int RunCompare(const CliArgs& args)
{
    if (args.In.isEmpty() == args.Options.isEmpty())
        return FileError(QStringLiteral("fane5-cli compare"), QStringLiteral("give either --in FILE.chnw or --options FILE.optw"));
    const CliExchange exchange(args);
    if (!args.Options.isEmpty()) {
        OptionValues values;
        QString error;
        if (!ReadOptionFile(args.Options, values, error))
            return FileError(args.Options, error);
        return CompareOutcome(CompareOptionsWithRadio(exchange.Setup(), values), args.Options);
    }
    ChannelTable table;
    int rowCount = 0;
    if (const int exit = OpenChannelFile(args.In, table, rowCount); exit != ExitSuccess)
        return exit;
    const CompareReport report = CompareChannelsWithRadio(exchange.Setup(), table);
    if (report.Read.Check)
        return RefusedCell(args.In, *report.Read.Check, rowCount);
    return CompareOutcome(report, args.In);
}

int LoadPlan(const CliArgs& args, RunPlan& plan, int& rowCount)
{
    if (const int exit = OpenChannelFile(args.In, plan.Channels, rowCount); exit != ExitSuccess)
        return exit;
    QString error;
    if (!args.Log.isEmpty() && !CheckOutputPath(args.Log, error))
        return FileError(args.Log, error);
    plan.Backup = args.Backup;
    if (args.Options.isEmpty())
        return ExitSuccess;
    OptionValues values;
    if (!ReadOptionFile(args.Options, values, error))
        return FileError(args.Options, error);
    plan.Options = FrameFromOptions(values);
    return ExitSuccess;
}

enum class Go { Program, Skip, Stop };

// The operator's answer for radio `number`: Enter programs it, q or the end
// of the input stops; after a failed radio, n passes over it.
Go AskForRadio(int number, bool retry)
{
    PrintLine(retry ? QStringLiteral("Connect radio %1 again and press Enter (n for radio %2, q to stop)")
                          .arg(number).arg(number + 1)
                    : QStringLiteral("Connect radio %1 and press Enter (q to stop)").arg(number));
    std::string line;
    if (!std::getline(std::cin, line))
        return Go::Stop;
    const QString answer = QString::fromLocal8Bit(line).trimmed().toLower();
    if (answer == u'q')
        return Go::Stop;
    return retry && answer == u'n' ? Go::Skip : Go::Program;
}

QString OutcomeLine(const RadioOutcome& outcome)
{
    return QStringLiteral("radio %1, %2, %3 s, %4")
        .arg(outcome.Number)
        .arg(outcome.Start.toString(QStringLiteral("HH:mm:ss")), QString::number(outcome.Seconds, 'f', 1),
             outcome.Result());
}

int RunProgram(const CliArgs& args)
{
    RunPlan plan;
    int rowCount = 0;
    if (const int exit = LoadPlan(args, plan, rowCount); exit != ExitSuccess)
        return exit;
    const CliExchange exchange(args);
    RadioRun run(exchange.Setup(), plan);
    if (const std::optional<Problem> check = run.Check())
        return RefusedCell(args.In, *check, rowCount);
    int number = 1;
    bool retry = false;
    for (Go go; (go = AskForRadio(number, retry)) != Go::Stop;) {
        if (go == Go::Skip) {
            ++number;
            retry = false;
            continue;
        }
        const RadioOutcome& outcome = run.Program(number);
        PrintOut(OutcomeLine(outcome));
        QString error;
        if (!args.Log.isEmpty() && !WriteRunLog(args.Log, run.Outcomes(), error))
            PrintLine(QStringLiteral("%1: %2").arg(args.Log, error));
        retry = !outcome.Verified;
        number += outcome.Verified ? 1 : 0;
    }
    PrintOut(run.Counts());
    if (run.Outcomes().isEmpty())
        return ExitNothingDone;
    return run.FailedRadios() > 0 ? ExitRadioFailed : ExitSuccess;
}

} // namespace

std::vector<CliVerb> RadioRunVerbs()
{
    return {
        {QStringLiteral("compare"), QStringLiteral("--port DEV --in FILE.chnw | --options FILE.optw"),
         QStringLiteral("read the radio (kept in the history) and print each channel field or option\n"
                        "in which it differs from the file, the file's value beside the radio's\n"
                        "(exit 0 same, 1 different, 2 not read)"),
         NeedPort | MayIn | MayOptions, RunCompare},
        {QStringLiteral("program"),
         QStringLiteral("--port DEV --in FILE.chnw [--options FILE.optw] [--backup] [--log FILE.csv]"),
         QStringLiteral("write and verify the channels (and options) into one radio after another:\n"
                        "Enter on stdin for each radio, q or the end of stdin stops; one line per\n"
                        "radio on stdout, then the counts (exit 0 all verified, 1 one failed, 2 none)"),
         NeedPort | NeedIn | MayOptions | TakesRunOptions, RunProgram},
    };
}
