#include "CliExchange.h"

#include "base/languagestr.h"

CliExchange::CliExchange(const CliArgs& args) : ui_(args.Retries), setup_{link_, args.Port, ui_}
{
    setup_.Progress = ShowProgress;
    setup_.KeepHistory = !args.NoHistory;
    setup_.Written = [] { PrintLine(languagestr::TranslateComplete); };
    setup_.Note = PrintLine;
}

int WriteOutcome(const ExchangeReport& report)
{
    if (report.Verify == VerifyOutcome::Same || report.Verify == VerifyOutcome::Different)
        PrintLine(report.VerifyMessage);
    return report.Done ? ExitSuccess : ExitRadioFailed;
}
