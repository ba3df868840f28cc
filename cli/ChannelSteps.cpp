#include "ChannelSteps.h"
#include "CliOutput.h"
#include "CliVerbs.h"
#include "channels/ChannelCodec.h"
#include "channels/ChannelFile.h"
#include "channels/FrequencySnap.h"
#include "channels/ImageFile.h"
#include "channels/RowCheck.h"
#include <QFile>

namespace {

const QString ChannelKind = ChannelFileKind.toString();

} // namespace

int FileError(const QString& path, const QString& reason)
{
    PrintLine(QStringLiteral("%1: %2").arg(path, reason));
    return ExitUsageOrFile;
}

int OpenChannelFile(const QString& path, ChannelTable& table, int& rowCount)
{
    const Outcome<int> opened = ReadChannelFile(path, ChannelKind, table);
    rowCount = opened.Value;
    if (!opened.Failure)
        return ExitSuccess;
    PrintLine(opened.Failure->In(path));
    return ExitUsageOrFile;
}

int RefusedCell(const QString& path, Problem cell, int rowCount)
{
    cell.Line = ChannelFileLine(cell.Row, cell.Column, rowCount);
    return FileError(path, cell.Text());
}

int SaveChannelsOfImage(const MemoryImageBytes& image, const QString& path)
{
    ChannelTable table;
    LoadChannelsFromImage(image, table);
    const Outcome<int> saved = WriteChannelFile(path, table, ChannelTable::RowCount, ChannelKind);
    if (saved.Failure) {
        PrintLine(saved.Failure->In(path));
        return ExitUsageOrFile;
    }
    return ExitSuccess;
}

int LoadCheckedChannels(const QString& path, MemoryImageBytes& image)
{
    ChannelTable table;
    int rowCount = 0;
    if (const int exit = OpenChannelFile(path, table, rowCount); exit != ExitSuccess)
        return exit;
    if (const auto cell = CheckRowsForWrite(table, CurrentBands()))
        return RefusedCell(path, *cell, rowCount);
    StoreChannelsToImage(table, image);
    return ExitSuccess;
}

int SaveImageFile(const MemoryImageBytes& image, const QString& path)
{
    const auto problem = WriteImageFile(path, image);
    return problem ? FileError(path, problem->Text()) : ExitSuccess;
}

int LoadImageFile(const QString& path, MemoryImageBytes& image)
{
    const auto problem = ReadImageFile(path, image);
    return problem ? FileError(path, problem->Text()) : ExitSuccess;
}

int LoadCheckedImage(const QString& path, MemoryImageBytes& image)
{
    const int exit = LoadImageFile(path, image);
    if (exit != ExitSuccess)
        return exit;
    const auto cell = CheckImageForWrite(image, CurrentBands());
    return cell ? FileError(path, cell->Text()) : ExitSuccess;
}

int LoadChannelsOrImage(const QString& path, MemoryImageBytes& image)
{
    QFile file(path);
    const QByteArray start = file.open(QIODevice::ReadOnly) ? file.read(ChannelFileKind.size() + 1) : QByteArray();
    const bool channelFile = start.startsWith(ChannelFileKind.toLatin1()) && (start.endsWith('\r') || start.endsWith('\n'));
    return channelFile ? LoadCheckedChannels(path, image) : LoadImageFile(path, image);
}
