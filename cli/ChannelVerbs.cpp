// The verbs that talk to the radio: read, write, dump, write-image.
#include "ChannelSteps.h"
#include "CliExchange.h"
#include "base/languagestr.h"
#include "channels/ChannelFile.h"
#include "exchange/ChannelExchange.h"

namespace {

// The radio's image, then what `save` makes of it; "Recive data complete!"
// once both are done.
int ReadFromRadio(const CliArgs& args, int (*save)(const MemoryImageBytes& image, const QString& path))
{
    MemoryImageBytes image;
    if (!ChannelExchange(CliExchange(args).Setup()).Read(image).Done)
        return ExitRadioFailed;
    const int exit = save(image, args.Out);
    if (exit == ExitSuccess)
        PrintLine(languagestr::ReciveComplete);
    return exit;
}

int RunRead(const CliArgs& args)
{
    return ReadFromRadio(args, SaveChannelsOfImage);
}

int RunDump(const CliArgs& args)
{
    return ReadFromRadio(args, SaveImageFile);
}

int RunWrite(const CliArgs& args)
{
    ChannelTable table;
    int rowCount = 0;
    if (const int exit = OpenChannelFile(args.In, table, rowCount); exit != ExitSuccess)
        return exit;
    const ExchangeReport report = ChannelExchange(CliExchange(args).Setup()).Write(table, args.Verify);
    return report.Check ? RefusedCell(args.In, *report.Check, rowCount) : WriteOutcome(report);
}

int RunWriteImage(const CliArgs& args)
{
    MemoryImageBytes image;
    if (const int exit = LoadImageFile(args.In, image); exit != ExitSuccess)
        return exit;
    const ExchangeReport report = ChannelExchange(CliExchange(args).Setup()).WriteImage(image, args.Verify);
    return report.Check ? FileError(args.In, report.Check->Text()) : WriteOutcome(report);
}

} // namespace

std::vector<CliVerb> ChannelRadioVerbs()
{
    return {
        {QStringLiteral("read"), QStringLiteral("--port DEV --out FILE.chnw"),
         QStringLiteral("read the 128 channels and save them as a channel file of all 129 rows"),
         NeedPort | NeedOut, RunRead},
        {QStringLiteral("write"), QStringLiteral("--port DEV --in FILE.chnw [--verify]"),
         QStringLiteral("open a channel file (2 to 129 rows; missing rows are empty), check every row\n"
                        "and write all 128 channels; a bad cell is named and nothing is sent"),
         NeedPort | NeedIn | TakesVerify, RunWrite},
        {QStringLiteral("dump"), QStringLiteral("--port DEV --out IMAGE.bin"),
         QStringLiteral("read the 128 channels and save the raw 8192-byte memory image"),
         NeedPort | NeedOut, RunDump},
        {QStringLiteral("write-image"), QStringLiteral("--port DEV --in IMAGE.img [--verify]"),
         QStringLiteral("write a raw memory image back as it is; its channels are decoded and checked\n"
                        "as write checks a channel file first: a bad one is named and nothing is sent"),
         NeedPort | NeedIn | TakesVerify, RunWriteImage},
    };
}
