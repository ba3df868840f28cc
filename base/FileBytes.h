#pragma once
// Whole files in and out, for every file the program reads or writes.
//
// Reading takes at most a given number of bytes: a file larger than its kind
// can be is refused before anything is read, and a device or pipe that never
// ends (/dev/zero) is cut off after one byte more than the limit.
//
// Writing goes only to a regular file (or a new one): a device, a pipe or a
// folder in its place is refused, since an atomic save would replace the
// device node itself. The save is atomic (QSaveFile): a failed write leaves
// the old file as it was.
#include <QByteArray>
#include <QString>

// False with `error` set (the system's reason, or "is larger than N bytes")
// when the file cannot be read or holds more than `maxBytes` bytes.
bool ReadFileBytes(const QString& path, qint64 maxBytes, QByteArray& bytes, QString& error);

// False with `error` set when `path` exists and is not a regular file.
bool CheckOutputPath(const QString& path, QString& error);

// CheckOutputPath, then the atomic save. `error` is the reason alone.
bool WriteFileBytes(const QString& path, const QByteArray& bytes, QString& error);
