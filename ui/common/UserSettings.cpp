#include "UserSettings.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString VerifyKey = QStringLiteral("VerifyAfterWrite");
const QString RecentKey = QStringLiteral("RecentFiles");
const QString ColumnsKey = QStringLiteral("ShowAllColumns");
const QString FoldersGroup = QStringLiteral("FileFolders/");

QSettings Store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("fane5"), QStringLiteral("fane5"));
}

} // namespace

bool VerifyAfterWrite()
{
    return Store().value(VerifyKey, true).toBool();
}

void SetVerifyAfterWrite(bool on)
{
    Store().setValue(VerifyKey, on);
}

bool AllColumnsShown()
{
    return Store().value(ColumnsKey, false).toBool();
}

void SetAllColumnsShown(bool on)
{
    Store().setValue(ColumnsKey, on);
}

QStringList RecentFiles()
{
    return Store().value(RecentKey).toStringList().mid(0, RecentFileCount);
}

void NoteRecentFile(const QString& path)
{
    const QString file = QFileInfo(path).absoluteFilePath();
    QStringList files = RecentFiles();
    files.removeAll(file);
    files.prepend(file);
    Store().setValue(RecentKey, files.mid(0, RecentFileCount));
}

QString FileFolder(const QString& kind)
{
    return Store().value(FoldersGroup + kind).toString();
}

void SetFileFolder(const QString& kind, const QString& folder)
{
    Store().setValue(FoldersGroup + kind, folder);
}
