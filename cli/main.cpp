// fane5-cli: the radio exchanges and file conversions of the FANE5 programmer
// without a window, on the same libraries as the program itself.
#include "CliArgs.h"
#include "CliOutput.h"
#include "base/Connection.h"
#include "base/FileBytes.h"
#include "base/ProgramVersion.h"
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // The window's name: both keep one radio history in one data folder.
    QCoreApplication::setApplicationName(QStringLiteral("fane5"));
    SetFixedModel();  // the one model and band, as the window fixes them at its start
    const ParsedCommand command = ParseCommand(app.arguments().mid(1));
    if (command.Help) {
        std::fputs(HelpText().toLocal8Bit().constData(), stdout);
        return ExitSuccess;
    }
    if (command.Version) {
        std::printf("fane5-cli %s\n", ProgramVersion().toLocal8Bit().constData());
        return ExitSuccess;
    }
    if (!command.Verb) {
        PrintLine(command.Error);
        return ExitUsageOrFile;
    }
    // A device or pipe as --out is refused before the radio is asked.
    QString error;
    if (!CheckOutputPath(command.Args.Out, error)) {
        PrintLine(QStringLiteral("%1: %2").arg(command.Args.Out, error));
        return ExitUsageOrFile;
    }
    return command.Verb->Run(command.Args);
}
