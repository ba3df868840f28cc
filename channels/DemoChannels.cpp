#include "DemoChannels.h"

#include "ChannelCodec.h"
#include "ChannelDefaults.h"
#include "ToneList.h"
#include "base/languagestr.h"

MemoryImageBytes DemoChannelImage()
{
    ChannelTable table;
    const QStringList lines = DefaultChannelList();
    for (int k = 0; 2 * k + 1 < lines.size(); ++k) {
        const int row = k + 1;
        SetDefaultRow(table, lines.at(2 * k), lines.at(2 * k + 1), row);
        if (table.Text(row, ColRx).isEmpty())
            continue;
        if (row % 4 == 0) {
            table.SetText(row, ColDecodeTone, ToneList().at(row % 50 + 1));
            table.SetText(row, ColEncodeTone, ToneList().at(row % 50 + 1));
        }
        if (row % 5 == 0)
            table.SetText(row, ColPower, languagestr::WordLow);
        table.SetText(row, ColName, QStringLiteral("DEMO%1").arg(row, 2, 10, QLatin1Char('0')));
    }
    MemoryImageBytes image{};
    StoreChannelsToImage(table, image);
    return image;
}
