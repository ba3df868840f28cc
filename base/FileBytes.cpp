#include "FileBytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

QString TooLarge(qint64 maxBytes)
{
    return QStringLiteral("is larger than %1 bytes, more than a file of this kind can hold").arg(maxBytes);
}

#ifdef Q_OS_WIN
// Windows opens these names as devices in every folder and with any
// extension (NUL, con.txt, COM1:), and a \\.\ path names a device outright.
bool IsDeviceName(const QString& path)
{
    static const QRegularExpression reserved(QStringLiteral("^(CON|PRN|AUX|NUL|COM\\d|LPT\\d)\\s*(:|\\..*)?$"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QString native = QDir::toNativeSeparators(path);
    return native.startsWith(QLatin1String("\\\\.\\")) || reserved.match(QFileInfo(native).fileName()).hasMatch();
}
#else
// Elsewhere a device is a file system entry of its own kind, which QFileInfo tells.
bool IsDeviceName(const QString&) { return false; }
#endif

} // namespace

bool ReadFileBytes(const QString& path, qint64 maxBytes, QByteArray& bytes, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    // A regular file tells its size; a device or a pipe is read one byte
    // past the limit to find out.
    if (!file.isSequential() && file.size() > maxBytes) {
        error = TooLarge(maxBytes);
        return false;
    }
    QByteArray read = file.read(maxBytes + 1);
    if (read.size() > maxBytes) {
        error = TooLarge(maxBytes);
        return false;
    }
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return false;
    }
    bytes = std::move(read);
    return true;
}

bool CheckOutputPath(const QString& path, QString& error)
{
    const QFileInfo info(path);
    if (!IsDeviceName(path) && (!info.exists() || info.isFile()))
        return true;
    error = info.isDir() ? QStringLiteral("is a folder, not a file")
                         : QStringLiteral("is not a regular file (a device or a pipe); choose a file");
    return false;
}

bool WriteFileBytes(const QString& path, const QByteArray& bytes, QString& error)
{
    if (!CheckOutputPath(path, error))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}
