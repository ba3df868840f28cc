#include "RadioHistory.h"

#include "channels/ChannelCodec.h"
#include "channels/ChannelFile.h"
#include "options/OptionFile.h"
#include "options/OptionFrame.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <functional>
#include <tuple>

namespace {

const QString StampFormat = QStringLiteral("yyyy-MM-ddTHH-mm-ss");

struct KindNames {
    HistoryKind kind;
    const char* token;  // in the file name
    const char* text;   // for people
};
constexpr KindNames Kinds[] = {
    {HistoryKind::Read, "read", "channel read"},
    {HistoryKind::Write, "write", "channel write"},
    {HistoryKind::Verify, "verify", "channel verify"},
    {HistoryKind::ReadOptions, "read-options", "option read"},
    {HistoryKind::WriteOptions, "write-options", "option write"},
    {HistoryKind::VerifyOptions, "verify-options", "option verify"},
};

const KindNames& NamesOf(HistoryKind kind)
{
    return *std::find_if(std::begin(Kinds), std::end(Kinds), [kind](const KindNames& k) { return k.kind == kind; });
}

bool IsChannelKind(HistoryKind kind)
{
    return kind == HistoryKind::Read || kind == HistoryKind::Write || kind == HistoryKind::Verify;
}

QString DataSuffix(HistoryKind kind) { return IsChannelKind(kind) ? QStringLiteral(".img") : QStringLiteral(".frame"); }
QString FileSuffix(HistoryKind kind) { return IsChannelKind(kind) ? QStringLiteral(".chnw") : QStringLiteral(".optw"); }

// An entry as its file name tells it, with its place among entries of the
// same second: by the time its file was written, then by its number.
struct NamedEntry {
    HistoryEntry entry;
    QDateTime written;
    int sequence = 1;
    bool operator<(const NamedEntry& other) const
    {
        return std::tie(entry.When, written, sequence) < std::tie(other.entry.When, other.written, other.sequence);
    }
};

// The entries of the folder, oldest first, from the names of their files.
QList<NamedEntry> NamedEntries()
{
    static const QRegularExpression name(QStringLiteral(
        "^(\\d{4}-\\d\\d-\\d\\dT\\d\\d-\\d\\d-\\d\\d)-(read|write|verify)(-options)?(?:-(\\d+))?\\.(chnw|optw)$"));
    const QDir folder(HistoryFolder());
    QList<NamedEntry> entries;
    for (const QFileInfo& info :
         folder.entryInfoList({QStringLiteral("*.chnw"), QStringLiteral("*.optw")}, QDir::Files)) {
        const QString file = info.fileName();
        const auto m = name.match(file);
        if (!m.hasMatch())
            continue;
        const QString token = m.captured(2) + m.captured(3);
        const auto kind = std::find_if(std::begin(Kinds), std::end(Kinds),
                                       [&](const KindNames& k) { return token == QLatin1String(k.token); });
        NamedEntry named;
        named.entry.When = QDateTime::fromString(m.captured(1), StampFormat);
        named.entry.Kind = kind->kind;
        named.entry.Base = folder.filePath(file.chopped(5));
        named.written = info.lastModified();
        named.sequence = m.captured(4).isEmpty() ? 1 : m.captured(4).toInt();
        if (named.entry.When.isValid() && QLatin1String(".") + m.captured(5) == FileSuffix(kind->kind))
            entries << named;
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

// A name no entry has yet: the time, the kind, and a number from the second
// entry of one kind and second on.
QString FreeBase(const QDir& folder, HistoryKind kind, const QDateTime& when)
{
    const QString stem = when.toString(StampFormat) + u'-' + QLatin1String(NamesOf(kind).token);
    for (int n = 1;; ++n) {
        const QString base = folder.filePath(n == 1 ? stem : stem + QStringLiteral("-%1").arg(n));
        if (!QFile::exists(base + DataSuffix(kind)) && !QFile::exists(base + FileSuffix(kind)))
            return base;
    }
}

bool WriteBytes(const QString& path, const QByteArray& bytes, QString& error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    error = QStringLiteral("%1: %2").arg(path, file.errorString());
    return false;
}

// Drops the oldest entries of the kind beyond the number kept.
void DropOldest(HistoryKind kind)
{
    QList<NamedEntry> entries = NamedEntries();
    entries.removeIf([kind](const NamedEntry& e) { return e.entry.Kind != kind; });
    for (qsizetype i = 0; i + HistoryKeptPerKind < entries.size(); ++i) {
        QFile::remove(entries[i].entry.DataPath());
        QFile::remove(entries[i].entry.FilePath());
    }
}

// Writes the raw bytes and the file of one new entry, then tidies up.
bool Keep(HistoryKind kind, const QByteArray& data, const std::function<bool(const QString&, QString&)>& writeFile,
          QString& error, QString* name)
{
    const QString folderPath = HistoryFolder();
    if (!QDir().mkpath(folderPath)) {
        error = QStringLiteral("the folder %1 cannot be made").arg(folderPath);
        return false;
    }
    const QString base = FreeBase(QDir(folderPath), kind, QDateTime::currentDateTime());
    if (!WriteBytes(base + DataSuffix(kind), data, error) || !writeFile(base + FileSuffix(kind), error))
        return false;
    DropOldest(kind);
    if (name)
        *name = QFileInfo(base).fileName();
    return true;
}

int ChannelsInUse(const QString& imagePath)
{
    QFile file(imagePath);
    MemoryImageBytes image;
    if (!file.open(QIODevice::ReadOnly) || file.read(reinterpret_cast<char*>(image.data()), qint64(image.size()))
                                               != qint64(image.size()))
        return -1;
    int inUse = 0;
    for (int slot = 0; slot < ChannelSlotCount; ++slot) {
        ChannelRecord record;
        std::copy_n(image.begin() + ChannelRecordsOffset + slot * int(record.size()), record.size(), record.begin());
        inUse += IsEmptySlot(record) ? 0 : 1;
    }
    return inUse;
}

} // namespace

bool HistoryEntry::HoldsChannels() const { return IsChannelKind(Kind); }
QString HistoryEntry::DataPath() const { return Base + DataSuffix(Kind); }
QString HistoryEntry::FilePath() const { return Base + FileSuffix(Kind); }

QString HistoryFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/history");
}

QString HistoryKindText(HistoryKind kind)
{
    return QLatin1String(NamesOf(kind).text);
}

bool KeepChannelImage(HistoryKind kind, const MemoryImageBytes& image, QString& error, QString* name)
{
    const QByteArray bytes(reinterpret_cast<const char*>(image.data()), qsizetype(image.size()));
    return Keep(kind, bytes, [&image](const QString& path, QString& fileError) {
        ChannelTable table;
        LoadChannelsFromImage(image, table);
        const Outcome<int> written =
            WriteChannelFile(path, table, ChannelTable::RowCount, ChannelFileKind.toString());
        if (written.Failure)
            fileError = written.Failure->In(path);
        return !written.Failure;
    }, error, name);
}

bool KeepOptionFrame(HistoryKind kind, const OptionFrame& frame, QString& error, QString* name)
{
    const QByteArray bytes(reinterpret_cast<const char*>(frame.data()), qsizetype(frame.size()));
    return Keep(kind, bytes, [&frame](const QString& path, QString& fileError) {
        return WriteOptionFile(path, OptionsFromFrame(frame), fileError);
    }, error, name);
}

QList<HistoryEntry> HistoryEntries()
{
    QList<HistoryEntry> entries;
    const QList<NamedEntry> named = NamedEntries();
    for (auto it = named.rbegin(); it != named.rend(); ++it) {
        HistoryEntry entry = it->entry;
        if (entry.HoldsChannels())
            entry.ChannelsInUse = ChannelsInUse(entry.DataPath());
        entries << entry;
    }
    return entries;
}
