// The radio history on the command line: the history verb lists it, and the
// radio verbs keep their transfers in it.
#include "CliHistory.h"
#include "CliOutput.h"

#include <cstdio>

namespace {

void NoteFailure(bool kept, const QString& error)
{
    if (!kept)
        PrintLine(QStringLiteral("The radio history could not be kept: %1").arg(error));
}

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

void KeepTransfer(const CliArgs& args, HistoryKind kind, const MemoryImageBytes& image)
{
    QString error;
    if (!args.NoHistory)
        NoteFailure(KeepChannelImage(kind, image, error), error);
}

void KeepTransfer(const CliArgs& args, HistoryKind kind, const OptionFrame& frame)
{
    QString error;
    if (!args.NoHistory)
        NoteFailure(KeepOptionFrame(kind, frame, error), error);
}

std::vector<CliVerb> HistoryVerbs()
{
    return {
        {QStringLiteral("history"), QString(),
         QStringLiteral("list the radio history, newest first: every image and option frame read\n"
                        "or written (by this program or the window), with its channel or option file"),
         0, RunHistory},
    };
}
