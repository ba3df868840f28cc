// The verbs that talk to the radio: read, write, dump, write-image.
#include "ChannelSteps.h"
#include "CliHistory.h"
#include "CliOutput.h"
#include "CliVerbs.h"
#include "base/languagestr.h"
#include "channels/ChannelRecord.h"
#include "channels/ImageVerify.h"
#include "link/Transfers.h"

namespace {

int ReadFromRadio(const CliArgs& args, MemoryImageBytes& image)
{
    StderrLinkUi ui(args.Retries);
    image.fill(0xFF);
    if (!ReadChannelMemory(ChannelSlotCount, args.Port, image, ui, ShowProgress))
        return ExitRadioFailed;
    KeepTransfer(args, HistoryKind::Read, image);
    return ExitSuccess;
}

int Finish(int exit, const QString& message)
{
    if (exit == ExitSuccess)
        PrintLine(message);
    return exit;
}

int RunRead(const CliArgs& args)
{
    MemoryImageBytes image;
    int exit = ReadFromRadio(args, image);
    if (exit == ExitSuccess)
        exit = SaveChannelsOfImage(image, args.Out);
    return Finish(exit, languagestr::ReciveComplete);
}

int RunDump(const CliArgs& args)
{
    MemoryImageBytes image;
    int exit = ReadFromRadio(args, image);
    if (exit == ExitSuccess)
        exit = SaveImageFile(image, args.Out);
    return Finish(exit, languagestr::ReciveComplete);
}

// --verify: the radio read back and compared on every byte written; a
// difference is named, kept in the history, and fails the run.
int VerifyWrite(const CliArgs& args, const MemoryImageBytes& written)
{
    StderrLinkUi ui(args.Retries);
    MemoryImageBytes readBack = written;
    if (!ReadChannelMemory(ChannelSlotCount, args.Port, readBack, ui, ShowProgress))
        return ExitRadioFailed;
    const ImageDifference difference = FirstImageDifference(written, readBack);
    if (difference.Same())
        return Finish(ExitSuccess, VerifiedMessage());
    KeepTransfer(args, HistoryKind::Verify, readBack);
    PrintLine(ImageDifferenceMessage(difference));
    return ExitRadioFailed;
}

int WriteToRadio(const CliArgs& args, int (*load)(const QString& path, MemoryImageBytes& image))
{
    MemoryImageBytes image;
    int exit = load(args.In, image);
    if (exit == ExitSuccess) {
        StderrLinkUi ui(args.Retries);
        exit = WriteChannelMemory(ChannelSlotCount, args.Port, image, ui, ShowProgress) ? ExitSuccess
                                                                                             : ExitRadioFailed;
    }
    if (exit != ExitSuccess)
        return exit;
    KeepTransfer(args, HistoryKind::Write, image);
    PrintLine(languagestr::TranslateComplete);
    return args.Verify ? VerifyWrite(args, image) : ExitSuccess;
}

int RunWrite(const CliArgs& args)
{
    return WriteToRadio(args, LoadCheckedChannels);
}

int RunWriteImage(const CliArgs& args)
{
    return WriteToRadio(args, LoadCheckedImage);
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
