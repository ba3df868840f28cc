#include "ImageFile.h"
#include "ChannelCodec.h"
#include <QFile>
#include <QSaveFile>
#include <algorithm>

namespace {
const qint64 ImageSize = qint64(MemoryImageBytes().size());
}

bool ReadImageFile(const QString& path, MemoryImageBytes& image, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    const QByteArray bytes = file.read(ImageSize + 1);
    if (bytes.size() != ImageSize) {
        error = QStringLiteral("holds %1 bytes; an image has %2")
                    .arg(bytes.size() > ImageSize ? QStringLiteral("more than %1").arg(ImageSize) : QString::number(bytes.size()))
                    .arg(ImageSize);
        return false;
    }
    std::copy(bytes.begin(), bytes.end(), image.begin());
    return true;
}

bool WriteImageFile(const QString& path, const MemoryImageBytes& image, QString& error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char*>(image.data()), ImageSize) != ImageSize
        || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

RowCheckResult CheckImageForWrite(const MemoryImageBytes& image, const BandLimits& bands)
{
    ChannelTable table;
    LoadChannelsFromImage(image, table);
    return CheckRowsForWrite(table, bands);
}
