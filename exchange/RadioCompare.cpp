#include "RadioCompare.h"

#include "ChannelExchange.h"
#include "OptionExchange.h"
#include "base/languagestr.h"
#include "channels/ChannelCodec.h"
#include "channels/ChannelDiff.h"
#include "channels/FrequencySnap.h"
#include "options/OptionDiff.h"
#include "options/OptionFrame.h"

namespace {

QString Shown(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("empty") : text;
}

QString SideBySide(const QString& what, const QString& here, const QString& there)
{
    return QStringLiteral("%1: %2 here, %3 in the radio").arg(what, Shown(here), Shown(there));
}

// Texts decoded from the bytes, so that only what reaches the radio counts
// (a frequency typed as 446.1 is the radio's 446.10000).
ChannelTable AsTheRadioHoldsIt(const ChannelTable& table)
{
    MemoryImageBytes image;
    StoreChannelsToImage(table, image);
    ChannelTable held;
    LoadChannelsFromImage(image, held);
    return held;
}

} // namespace

CompareReport CompareChannelsWithRadio(const ExchangeSetup& setup, const ChannelTable& here)
{
    CompareReport compare;
    compare.Read.Check = CheckRowsForWrite(here, CurrentBands());
    if (compare.Read.Check)
        return compare;
    MemoryImageBytes image;
    compare.Read = ChannelExchange(setup).Read(image);
    if (!compare.Read.Done)
        return compare;
    ChannelTable radio;
    LoadChannelsFromImage(image, radio);
    for (const ChannelDifference& d : DiffChannelTables(AsTheRadioHoldsIt(here), radio))
        compare.Differences << SideBySide(QStringLiteral("channel %1, %2").arg(d.Row)
                                              .arg(languagestr::ColumnTitles[d.Column].trimmed()),
                                          d.Before, d.After);
    return compare;
}

CompareReport CompareOptionsWithRadio(const ExchangeSetup& setup, const OptionValues& here)
{
    CompareReport compare;
    OptionFrame frame{};
    compare.Read = OptionExchange(setup).Read(frame);
    if (!compare.Read.Done)
        return compare;
    const OptionValues held = OptionsFromFrame(FrameFromOptions(here));
    for (const OptionDifference& d : DiffOptionValues(held, OptionsFromFrame(frame)))
        compare.Differences << SideBySide(OptionControlAt(d.Slot).caption.trimmed(), OptionValueText(d.Slot, d.Here),
                                          OptionValueText(d.Slot, d.There));
    return compare;
}
