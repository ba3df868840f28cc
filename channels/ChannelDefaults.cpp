#include "ChannelDefaults.h"

#include "ChannelColumns.h"
#include "ChannelFile.h"
#include "FrequencyCodec.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A frequency in units of 100 Hz as the list writes it: "476.4250".
QString ListText(int units100Hz)
{
    return MhzText(FrequencyUnits(units100Hz) * 10, 4);
}

// First frequency (100 Hz units) of each block of rows; 0 = empty rows.
struct DefaultBlock {
    int firstRow, lastRow, first100Hz;
};
constexpr DefaultBlock DefaultBlocks[] = {
    {1, 40, 4764250},
    {41, 60, 4764375},
    {61, 63, 0},
    {64, 80, 4770125},
};
constexpr int Step100Hz = 250;  // 25 kHz

} // namespace

QStringList DefaultChannelList()
{
    QStringList lines;
    for (const DefaultBlock& block : DefaultBlocks) {
        for (int row = block.firstRow; row <= block.lastRow; ++row) {
            const QString text = block.first100Hz ? ListText(block.first100Hz + (row - block.firstRow) * Step100Hz)
                                                  : QString();
            lines << text << text;
        }
    }
    return lines;
}

QStringList DefaultChannelLines()
{
    const QString path = QDir::current().filePath(QString::fromLatin1(DefaultChannelFileName));
    QStringList lines;
    if (QFileInfo::exists(path) && ReadTextFileLines(path, lines))
        return lines;
    return DefaultChannelList();
}

ChannelTable DefaultChannelTable()
{
    const QStringList lines = DefaultChannelList();
    ChannelTable table;
    for (int k = 0; 2 * k < lines.size(); ++k)
        SetDefaultRow(table, lines.at(2 * k), lines.at(2 * k + 1), k + 1);
    return table;
}

void SetDefaultRow(ChannelTable& table, const QString& rx, const QString& tx, int row)
{
    if (rx.isEmpty())
        return;
    table.SetText(row, ColRx, rx);
    table.SetText(row, ColTx, tx);
    for (int column = ColDecodeTone; column <= ColName; ++column)
        if (table.Text(row, column).isEmpty())
            table.SetText(row, column, SchemaOf(column).Default);
}
