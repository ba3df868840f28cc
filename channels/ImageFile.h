#pragma once
// Raw memory images: the 8192 bytes of a memory image in a file, as
// `fane5-cli dump` saves them and the channel window's File menu opens and
// saves them, so that an exact copy of a radio can be kept and restored.
#include "Problem.h"
#include "RowCheck.h"
#include "base/RadioData.h"
#include <QString>
#include <optional>

// The reason when the file cannot be read or is not 8192 bytes long (at
// most 8193 bytes are read); the image is then untouched.
std::optional<Problem> ReadImageFile(const QString& path, MemoryImageBytes& image);

// Replaces the file atomically.
std::optional<Problem> WriteImageFile(const QString& path, const MemoryImageBytes& image);

// An image decoded as a read decodes it and checked as a write checks the
// table: what must not go to a radio is named.
std::optional<Problem> CheckImageForWrite(const MemoryImageBytes& image, const BandLimits& bands);
