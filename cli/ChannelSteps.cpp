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
    const ChannelFileResult opened = ReadChannelFile(path, ChannelKind, table);
    rowCount = opened.RowCount;
    if (opened.Ok)
        return ExitSuccess;
    PrintLine(opened.Describe(path));
    return ExitUsageOrFile;
}

int RefusedCell(const QString& path, const RowCheckResult& check, int rowCount)
{
    return FileError(path, QStringLiteral("line %1: %2").arg(ChannelFileLine(check.Row, check.Column, rowCount))
                               .arg(check.Message));
}

int SaveChannelsOfImage(const MemoryImageBytes& image, const QString& path)
{
    ChannelTable table;
    LoadChannelsFromImage(image, table);
    const ChannelFileResult saved = WriteChannelFile(path, table, ChannelTable::RowCount, ChannelKind);
    if (!saved.Ok) {
        PrintLine(saved.Describe(path));
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
    const RowCheckResult check = CheckRowsForWrite(table, CurrentBands());
    if (!check.Ok)
        return RefusedCell(path, check, rowCount);
    StoreChannelsToImage(table, image);
    return ExitSuccess;
}

int SaveImageFile(const MemoryImageBytes& image, const QString& path)
{
    QString error;
    return WriteImageFile(path, image, error) ? ExitSuccess : FileError(path, error);
}

int LoadImageFile(const QString& path, MemoryImageBytes& image)
{
    QString error;
    return ReadImageFile(path, image, error) ? ExitSuccess : FileError(path, error);
}

int LoadCheckedImage(const QString& path, MemoryImageBytes& image)
{
    const int exit = LoadImageFile(path, image);
    if (exit != ExitSuccess)
        return exit;
    const RowCheckResult check = CheckImageForWrite(image, CurrentBands());
    return check.Ok ? ExitSuccess : FileError(path, check.Message);
}

int LoadChannelsOrImage(const QString& path, MemoryImageBytes& image)
{
    QFile file(path);
    const QByteArray start = file.open(QIODevice::ReadOnly) ? file.read(ChannelFileKind.size() + 1) : QByteArray();
    const bool channelFile = start.startsWith(ChannelFileKind.toLatin1()) && (start.endsWith('\r') || start.endsWith('\n'));
    return channelFile ? LoadCheckedChannels(path, image) : LoadImageFile(path, image);
}
