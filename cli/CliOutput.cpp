#include "CliOutput.h"
#include "base/languagestr.h"
#include <cstdio>
#include <unistd.h>

namespace {

// The CLI is single-threaded: the transfers run on the calling thread.
bool progressLineOpen = false;
int shownPercent = -1;

void EndProgressLine()
{
    if (progressLineOpen)
        std::fputs("\n", stderr);
    progressLineOpen = false;
    shownPercent = -1;
}

} // namespace

void PrintLine(const QString& text)
{
    EndProgressLine();
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

void ShowProgress(int position, int maximum)
{
    if (maximum <= 0 || !::isatty(STDERR_FILENO))
        return;
    const int percent = int(qint64(position) * 100 / maximum);
    if (percent == shownPercent)
        return;
    shownPercent = percent;
    progressLineOpen = true;
    std::fprintf(stderr, "\r%s %d%%", languagestr::LabelProgress.toLocal8Bit().constData(), percent);
    std::fflush(stderr);
}

void StderrLinkUi::Notice(const QString& text, BoxKind)
{
    PrintLine(text);
}

bool StderrLinkUi::Ask(const QString& text, BoxKind)
{
    PrintLine(text);
    if (yesLeft_ <= 0)
        return false;
    --yesLeft_;
    return true;
}
