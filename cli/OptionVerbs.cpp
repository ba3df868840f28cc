// The verbs for the radio's option frame: read-options, write-options. The
// option file is the options window's, so a file goes freely between the two.
#include "CliExchange.h"
#include "base/languagestr.h"
#include "exchange/OptionExchange.h"
#include "options/OptionFile.h"
#include "options/OptionFrame.h"

namespace {

int FileFailed(const QString& error)
{
    PrintLine(error);
    return ExitUsageOrFile;
}

int RunReadOptions(const CliArgs& args)
{
    OptionFrame frame{};
    if (!OptionExchange(CliExchange(args).Setup()).Read(frame).Done)
        return ExitRadioFailed;
    QString error;
    if (!WriteOptionFile(args.Out, OptionsFromFrame(frame), error))
        return FileFailed(error);
    PrintLine(languagestr::ReciveComplete);
    return ExitSuccess;
}

int RunWriteOptions(const CliArgs& args)
{
    OptionValues values;
    QString error;
    if (!ReadOptionFile(args.In, values, error))
        return FileFailed(error);
    return WriteOutcome(OptionExchange(CliExchange(args).Setup()).Write(FrameFromOptions(values), args.Verify));
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
