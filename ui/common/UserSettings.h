#pragma once
// The program's own settings beside the stored port: whether a write is read
// back and compared, the channel and option files opened or saved last,
// whether the channel window shows the columns it hides at first, and the
// folder each kind of file was last chosen in.
// QSettings "fane5/fane5": ~/.config/fane5/fane5.conf on Linux, the registry
// key HKEY_CURRENT_USER\Software\fane5\fane5 on Windows.
#include <QString>
#include <QStringList>

// "Verify after write" (Edit menu); on unless switched off.
bool VerifyAfterWrite();
void SetVerifyAfterWrite(bool on);

// "Show all columns" (View menu): the channel window shows CH-Name, OptSingal
// and SPUnmute too; off unless switched on.
bool AllColumnsShown();
void SetAllColumnsShown(bool on);

// The channel and option files opened or saved last, newest first.
inline constexpr int RecentFileCount = 8;
QStringList RecentFiles();
void NoteRecentFile(const QString& path);

// The folder a kind of file (its suffix: "chnw", "optw", "csv", "img") was
// last opened from or saved in; empty before the first.
QString FileFolder(const QString& kind);
void SetFileFolder(const QString& kind, const QString& folder);
