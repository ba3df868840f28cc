#include "ImageFile.h"
#include "ChannelCodec.h"
#include "base/FileBytes.h"
#include <algorithm>

namespace {
const qint64 ImageSize = qint64(MemoryImageBytes().size());
}

bool ReadImageFile(const QString& path, MemoryImageBytes& image, QString& error)
{
    QByteArray bytes;
    if (!ReadFileBytes(path, ImageSize, bytes, error))
        return false;
    if (bytes.size() != ImageSize) {
        error = QStringLiteral("holds %1 bytes; an image has %2").arg(bytes.size()).arg(ImageSize);
        return false;
    }
    std::copy(bytes.begin(), bytes.end(), image.begin());
    return true;
}

bool WriteImageFile(const QString& path, const MemoryImageBytes& image, QString& error)
{
    return WriteFileBytes(path, QByteArray(reinterpret_cast<const char*>(image.data()), ImageSize), error);
}

RowCheckResult CheckImageForWrite(const MemoryImageBytes& image, const BandLimits& bands)
{
    ChannelTable table;
    LoadChannelsFromImage(image, table);
    return CheckRowsForWrite(table, bands);
}
