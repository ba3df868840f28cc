#include "RunLog.h"

#include "base/FileBytes.h"

#include <QFileInfo>
#include <QDir>

namespace {

// A field with a comma, a quote or a line break goes in quotes.
QString Field(QString text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    return u'"' + text.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

QString LogLine(const RadioOutcome& outcome)
{
    return QStringList{QString::number(outcome.Number), outcome.Start.toString(Qt::ISODate),
                       QString::number(outcome.Seconds, 'f', 1), Field(outcome.Result()),
                       Field(outcome.History.join(u' '))}
        .join(u',');
}

} // namespace

QString RunLogText(const QList<RadioOutcome>& outcomes)
{
    QString text = QStringLiteral("radio,start,seconds,result,history\r\n");
    for (const RadioOutcome& outcome : outcomes)
        text += LogLine(outcome) + QStringLiteral("\r\n");
    return text;
}

bool WriteRunLog(const QString& path, const QList<RadioOutcome>& outcomes, QString& error)
{
    return WriteFileBytes(path, RunLogText(outcomes).toUtf8(), error);
}

QString RunLogPathBeside(const QString& channelFile, const QDateTime& start)
{
    const QFileInfo file(channelFile);
    return file.dir().filePath(QStringLiteral("%1-radios-%2.csv")
                                   .arg(file.completeBaseName(), start.toString(QStringLiteral("yyyy-MM-ddTHH-mm-ss"))));
}
