#include "OptionFile.h"

#include "base/Excerpt.h"
#include "base/FileBytes.h"
#include "base/TextLines.h"

namespace {

const QByteArray LineEnd = QByteArrayLiteral("\r\n");

// A decimal integer: an optional minus sign and digits, nothing else.
bool ParseDecimal(const QString& line, int& value)
{
    const int start = line.startsWith('-') ? 1 : 0;
    if (line.size() == start)
        return false;
    for (int i = start; i < line.size(); ++i)
        if (line[i] < u'0' || line[i] > u'9')
            return false;
    bool ok = false;
    value = line.toInt(&ok, 10);
    return ok;
}

QString LineName(int index)
{
    const OptionControl& c = OptionControls()[index];
    return QStringLiteral("line %1 (%2)").arg(index + 1).arg(c.caption.trimmed());
}

// The value a line gives its control, or an error naming the line.
bool ControlValueFromLine(int index, const QString& line, int& value, QString& error)
{
    const OptionControl& c = OptionControls()[index];
    int number = 0;
    const bool isNumber = ParseDecimal(line, number);
    if (c.isCheckBox()) {
        if (!isNumber) {
            error = QStringLiteral("%1: \"%2\" is not a whole number")
                        .arg(LineName(index), Excerpt(line));
            return false;
        }
        value = line == u"0" ? 0 : 1;  // any other number ticks the box
        return true;
    }
    if (!isNumber || number < -1 || number >= c.items.size()) {
        error = QStringLiteral("%1: \"%2\" is not a number from -1 to %3")
                    .arg(LineName(index), Excerpt(line))
                    .arg(c.items.size() - 1);
        return false;
    }
    value = number;
    return true;
}

} // namespace

QByteArray WriteControlLines(const OptionValues& values)
{
    QByteArray text;
    for (int value : values.at)
        text += QByteArray::number(value) + LineEnd;
    return text;
}

bool ReadControlLines(const QStringList& lines, OptionValues& values, QString& error)
{
    OptionValues read;
    for (int i = 0; i < OptionSlotCount; ++i) {
        if (i >= lines.size()) {
            error = QStringLiteral("%1 is missing: the file has %2 lines, an option file has %3")
                        .arg(LineName(i)).arg(lines.size()).arg(OptionSlotCount);
            return false;
        }
        if (!ControlValueFromLine(i, lines[i], read.at[i], error))
            return false;
    }
    values = read;
    return true;
}

bool WriteOptionFile(const QString& path, const OptionValues& values, QString& error)
{
    QString reason;
    if (!WriteFileBytes(path, WriteControlLines(values), reason)) {
        error = QStringLiteral("%1: %2").arg(path, reason);
        return false;
    }
    return true;
}

bool ReadOptionFile(const QString& path, OptionValues& values, QString& error)
{
    QByteArray bytes;
    QString reason;
    if (!ReadFileBytes(path, MaxOptionFileBytes, bytes, reason)) {
        error = QStringLiteral("%1: %2").arg(path, reason);
        return false;
    }
    QString lineError;
    if (!ReadControlLines(SplitTextLines(QString::fromLatin1(bytes)), values, lineError)) {
        error = QStringLiteral("%1: %2").arg(path, lineError);
        return false;
    }
    return true;
}

QString OptionFileFilter()
{
    return QStringLiteral("optw file(*.optw)");
}

QString OptionFileSuffix()
{
    return QStringLiteral("optw");
}
