#include "ChannelFile.h"
#include "base/Excerpt.h"
#include "base/FileBytes.h"
#include "base/TextLines.h"
#include "base/languagestr.h"
#include <QStringDecoder>
#include <QStringEncoder>
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

constexpr int StoredColumns = ChannelTable::ColumnCount - 1;

// The program's files are in code page 936, as the systems it was made for
// write them (ASCII is part of it). A Qt without ICU has no converter for it:
// then Windows converts it itself, and elsewhere Latin-1 at least keeps every
// byte.
constexpr const char* FileCodePage = "GBK";

#ifdef Q_OS_WIN
constexpr UINT WindowsCodePage = 936;

QString DecodeWithoutQt(const QByteArray& bytes)
{
    QString text(MultiByteToWideChar(WindowsCodePage, 0, bytes.constData(), int(bytes.size()), nullptr, 0),
                 Qt::Uninitialized);
    MultiByteToWideChar(WindowsCodePage, 0, bytes.constData(), int(bytes.size()),
                        reinterpret_cast<wchar_t*>(text.data()), int(text.size()));
    return text;
}

QByteArray EncodeWithoutQt(const QString& text)
{
    const auto wide = reinterpret_cast<const wchar_t*>(text.utf16());
    QByteArray bytes(WideCharToMultiByte(WindowsCodePage, 0, wide, int(text.size()), nullptr, 0, nullptr, nullptr),
                     Qt::Uninitialized);
    WideCharToMultiByte(WindowsCodePage, 0, wide, int(text.size()), bytes.data(), int(bytes.size()), nullptr, nullptr);
    return bytes;
}
#else
QString DecodeWithoutQt(const QByteArray& bytes) { return QString::fromLatin1(bytes); }
QByteArray EncodeWithoutQt(const QString& text) { return text.toLatin1(); }
#endif

QString DecodeFileText(const QByteArray& bytes)
{
    QStringDecoder decoder(FileCodePage);
    return decoder.isValid() ? decoder.decode(bytes) : DecodeWithoutQt(bytes);
}

QByteArray EncodeFileText(const QString& text)
{
    QStringEncoder encoder(FileCodePage);
    return encoder.isValid() ? QByteArray(encoder.encode(text)) : EncodeWithoutQt(text);
}

int LineCountFor(int rowCount) { return 2 + StoredColumns * (rowCount - 1); }

Outcome<int> Failure(int line, const QString& message) { return {0, Problem{line, 0, 0, message}}; }

// A row count is one to three decimal digits; no sign, no blanks.
int ParseRowCount(const QString& text)
{
    if (text.isEmpty() || text.size() > 3)
        return -1;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return -1;
    return text.toInt();
}

} // namespace

int ChannelFileLine(int row, int column, int rowCount)
{
    return 3 + (column - 1) * (rowCount - 1) + (row - 1);
}

QStringList ChannelTableToLines(const ChannelTable& table, int rowCount, const QString& kindText)
{
    QStringList lines{kindText, QString::number(rowCount)};
    for (int column = 1; column <= StoredColumns; ++column)
        for (int row = 1; row < rowCount; ++row)
            lines << table.Text(row, column);
    return lines;
}

Outcome<int> ChannelTableFromLines(const QStringList& lines, const QString& kindText, ChannelTable& table)
{
    if (lines.isEmpty() || lines.first() != kindText)
        return Failure(1, languagestr::BadFileType);
    if (lines.size() < 2)
        return Failure(2, QStringLiteral("the row count is missing"));
    const int rowCount = ParseRowCount(lines.at(1));
    if (rowCount < MinChannelFileRows || rowCount > ChannelTable::RowCount)
        return Failure(2, QStringLiteral("\"%1\" is not a row count from %2 to %3")
                              .arg(Excerpt(lines.at(1))).arg(MinChannelFileRows).arg(ChannelTable::RowCount));
    const int needed = LineCountFor(rowCount);
    if (lines.size() < needed)
        return Failure(int(lines.size()) + 1,
                       QStringLiteral("missing: %1 rows take %2 lines, the file ends after %3")
                           .arg(rowCount).arg(needed).arg(lines.size()));
    for (int column = 1; column <= StoredColumns; ++column)
        for (int row = 1; row < rowCount; ++row)
            table.SetText(row, column, lines.at(ChannelFileLine(row, column, rowCount) - 1));
    return {rowCount, std::nullopt};
}

Outcome<int> WriteChannelFile(const QString& path, const ChannelTable& table, int rowCount,
                              const QString& kindText)
{
    QByteArray bytes;
    for (const QString& line : ChannelTableToLines(table, rowCount, kindText))
        bytes += EncodeFileText(line) + "\r\n";
    QString error;
    if (!WriteFileBytes(path, bytes, error))
        return Failure(0, error);
    return {rowCount, std::nullopt};
}

Outcome<int> ReadChannelFile(const QString& path, const QString& kindText, ChannelTable& table)
{
    QByteArray bytes;
    QString error;
    if (!ReadFileBytes(path, MaxChannelFileBytes, bytes, error))
        return Failure(0, error);
    return ChannelTableFromLines(SplitTextLines(DecodeFileText(bytes)), kindText, table);
}

bool ReadTextFileLines(const QString& path, QStringList& lines)
{
    QByteArray bytes;
    QString error;
    if (!ReadFileBytes(path, MaxChannelFileBytes, bytes, error))
        return false;
    lines = SplitTextLines(DecodeFileText(bytes));
    return true;
}
