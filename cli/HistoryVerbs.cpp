// The radio history on the command line: the history verb lists it (the
// radio verbs keep their transfers in it through their exchanges).
#include "CliOutput.h"
#include "CliVerbs.h"
#include "history/RadioHistory.h"

#include <cstdio>

namespace {

// One line an entry, newest first: date and time, kind, channels in use, file.
int RunHistory(const CliArgs&)
{
    const QList<HistoryEntry> entries = HistoryEntries();
    if (entries.isEmpty()) {
        PrintLine(QStringLiteral("The radio history in %1 is empty.").arg(HistoryFolder()));
        return ExitSuccess;
    }
    for (const HistoryEntry& entry : entries) {
        const QString channels =
            entry.ChannelsInUse >= 0 ? QStringLiteral("%1 channels").arg(entry.ChannelsInUse) : QString();
        const QString line = QStringLiteral("%1  %2  %3  %4\n")
                                 .arg(entry.When.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                                      HistoryKindText(entry.Kind).leftJustified(14),
                                      channels.leftJustified(12), entry.FilePath());
        std::fputs(line.toLocal8Bit().constData(), stdout);
    }
    return ExitSuccess;
}

} // namespace

std::vector<CliVerb> HistoryVerbs()
{
    return {
        {QStringLiteral("history"), QString(),
         QStringLiteral("list the radio history, newest first: every image and option frame read\n"
                        "or written (by this program or the window), with its channel or option file"),
         0, RunHistory},
    };
}
