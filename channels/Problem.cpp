#include "Problem.h"
#include "ChannelColumns.h"

QString Problem::Text() const
{
    QString text = What;
    if (Row > 0 && Column > 0)
        text = QStringLiteral("row %1, %2: %3").arg(Row).arg(ColumnTitle(Column).trimmed(), text);
    if (Line > 0)
        text = QStringLiteral("line %1: %2").arg(Line).arg(text);
    return text;
}

QString Problem::In(const QString& fileName) const
{
    return QStringLiteral("%1: %2").arg(fileName, Text());
}

Problem CellProblem(int row, int column, const QString& what)
{
    return {0, row, column, what};
}
