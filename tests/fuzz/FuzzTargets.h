#pragma once
// The fuzz targets: one function each, fed one input. Each is built twice:
// as a libFuzzer program (fuzz build only) and as a replay test that runs it
// over its corpus in tests/fuzz/corpus/<target>/ in every build.
//
// A target aborts through FUZZ_CHECK when the code under test breaks a promise
// its header makes (all-or-nothing opens, values in range, the port closed
// after an exchange); crashes and sanitizer reports speak for themselves.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

int FuzzChannelFile(const std::uint8_t* data, std::size_t size);
int FuzzOptionFile(const std::uint8_t* data, std::size_t size);
int FuzzPictureFile(const std::uint8_t* data, std::size_t size);
int FuzzPictureTitle(const std::uint8_t* data, std::size_t size);
int FuzzRadioReplies(const std::uint8_t* data, std::size_t size);
int FuzzDefaults(const std::uint8_t* data, std::size_t size);
int FuzzCsv(const std::uint8_t* data, std::size_t size);

[[noreturn]] void FuzzCheckFailed(const char* condition, const char* file, int line);
#define FUZZ_CHECK(condition) ((condition) ? void(0) : FuzzCheckFailed(#condition, __FILE__, __LINE__))

// Writes the input to a file of that name in a folder of this process's own
// and returns its path (file parsers read from disk, as the program does).
QString WriteScratchFile(const QString& name, const std::uint8_t* data, std::size_t size);

inline QByteArray InputBytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}
