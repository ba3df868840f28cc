#pragma once
// Steps the channel verbs share: channel files and image files in and out.
// Each returns a CliExit and has printed its error, naming the file (and the
// line where there is one), when it is not ExitSuccess.
#include "base/RadioData.h"
#include "channels/ChannelTable.h"
#include "channels/RowCheck.h"
#include <QString>

// "path: reason" on stderr; ExitUsageOrFile.
int FileError(const QString& path, const QString& reason);

// Opens a channel file (2 to 129 rows; rows it does not hold are empty slots)
// as it is; `rowCount` is the file's.
int OpenChannelFile(const QString& path, ChannelTable& table, int& rowCount);

// A cell of a channel file of `rowCount` rows that the check before a write
// refused, named with its line.
int RefusedCell(const QString& path, Problem cell, int rowCount);

// Decodes the 128 channels and saves all 129 rows as a channel file, so
// nothing of channels 100 to 128 is lost.
int SaveChannelsOfImage(const MemoryImageBytes& image, const QString& path);

// Opens a channel file, checks every row against the band and encodes it. A
// bad cell is named with its line, and the image is left alone.
int LoadCheckedChannels(const QString& path, MemoryImageBytes& image);

// The raw 8192-byte image.
int SaveImageFile(const MemoryImageBytes& image, const QString& path);
int LoadImageFile(const QString& path, MemoryImageBytes& image);

// An image file checked by decoding it: what a write would refuse in a
// table is refused here, naming the channel and field.
int LoadCheckedImage(const QString& path, MemoryImageBytes& image);

// A channel file (its first line is the kind "tes") opened and checked as
// LoadCheckedChannels does; any other file read as an image.
int LoadChannelsOrImage(const QString& path, MemoryImageBytes& image);
