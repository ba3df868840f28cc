// "DefA.dat" in the current folder, as a new channel window takes it: RX/TX
// line pairs into the rows, then what a write does with them.
#include "FuzzTargets.h"

#include "FuzzChannels.h"
#include "channels/ChannelDefaults.h"

#include <QDir>
#include <QFileInfo>

int FuzzDefaults(const std::uint8_t* data, std::size_t size)
{
    const QString path = WriteScratchFile(QString::fromLatin1(DefaultChannelFileName), data, size);
    QDir::setCurrent(QFileInfo(path).absolutePath());
    const QStringList lines = DefaultChannelLines();
    // Pairs beyond the table's rows fall on rows that do not exist: the table
    // ignores them.
    ChannelTable table;
    for (qsizetype k = 0; 2 * k < lines.size(); ++k)
        SetDefaultRow(table, lines.at(2 * k), lines.value(2 * k + 1), int(k + 1));
    for (int row = 1; row < ChannelTable::RowCount; ++row)
        FUZZ_CHECK(table.Text(row, ColRx).isEmpty() || table.Text(row, ColRx) == lines.at(2 * (row - 1)));
    CheckTableForWrite(table);
    return 0;
}
