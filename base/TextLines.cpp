#include "TextLines.h"

QStringList SplitTextLines(const QString& text)
{
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QStringList lines = unified.split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
