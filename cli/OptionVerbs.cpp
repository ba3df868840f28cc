// The verbs for the radio's option frame: read-options, write-options. The
// option file is the options window's, so a file goes freely between the two.
#include "CliHistory.h"
#include "CliOutput.h"
#include "CliVerbs.h"
#include "base/languagestr.h"
#include "link/Transfers.h"
#include "options/OptionFile.h"
#include "options/OptionFrame.h"
#include "options/OptionVerify.h"

namespace {

int Finish(int exit, const QString& message)
{
    if (exit == ExitSuccess)
        PrintLine(message);
    return exit;
}

int FileFailed(const QString& error)
{
    PrintLine(error);
    return ExitUsageOrFile;
}

int RunReadOptions(const CliArgs& args)
{
    StderrLinkUi ui(args.Retries);
    OptionFrame frame{};
    if (!ReadDovaOptions(args.Port, frame, ui, ShowProgress))
        return ExitRadioFailed;
    KeepTransfer(args, HistoryKind::ReadOptions, frame);
    QString error;
    if (!WriteOptionFile(args.Out, OptionsFromFrame(frame), error))
        return FileFailed(error);
    return Finish(ExitSuccess, languagestr::ReciveComplete);
}

// --verify: the options read back and compared on every byte that carries a
// control; a difference is named, kept in the history, and fails the run.
int VerifyWrite(const CliArgs& args, const OptionFrame& written)
{
    StderrLinkUi ui(args.Retries);
    OptionFrame readBack{};
    if (!ReadDovaOptions(args.Port, readBack, ui, ShowProgress))
        return ExitRadioFailed;
    const QString difference = OptionFrameDifference(written, readBack);
    if (difference.isEmpty())
        return Finish(ExitSuccess, OptionsVerifiedMessage());
    KeepTransfer(args, HistoryKind::VerifyOptions, readBack);
    PrintLine(difference);
    return ExitRadioFailed;
}

int RunWriteOptions(const CliArgs& args)
{
    OptionValues values;
    QString error;
    if (!ReadOptionFile(args.In, values, error))
        return FileFailed(error);
    StderrLinkUi ui(args.Retries);
    const OptionFrame frame = FrameFromOptions(values);
    if (!WriteDovaOptions(args.Port, frame, ui, ShowProgress))
        return ExitRadioFailed;
    KeepTransfer(args, HistoryKind::WriteOptions, frame);
    PrintLine(languagestr::TranslateComplete);
    return args.Verify ? VerifyWrite(args, frame) : ExitSuccess;
}

} // namespace

std::vector<CliVerb> OptionRadioVerbs()
{
    return {
        {QStringLiteral("read-options"), QStringLiteral("--port DEV --out FILE.optw"),
         QStringLiteral("read the radio's option frame and save it as an option file"),
         NeedPort | NeedOut, RunReadOptions},
        {QStringLiteral("write-options"), QStringLiteral("--port DEV --in FILE.optw [--verify]"),
         QStringLiteral("open an option file (14 lines, each checked; a bad line is named and\n"
                        "nothing is sent) and write the option frame to the radio"),
         NeedPort | NeedIn | TakesVerify, RunWriteOptions},
    };
}
