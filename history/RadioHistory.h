#pragma once
// The radio history: every channel image and option frame that was read from
// the radio or written to it, kept with its channel or option file in the
// user's data folder (QStandardPaths::AppLocalDataLocation, then history/).
// Names give the date, time and kind of the transfer:
//
//   2026-12-08T14-03-22-read.img               the 8192-byte image
//   2026-12-08T14-03-22-read.chnw              its channel file, all 129 rows
//   2026-12-08T14-05-40-write-options.frame    the 16-byte option frame
//   2026-12-08T14-05-40-write-options.optw     its option file
//
// Kinds: read, write, verify (the image read back after a write that
// differs), and the same three with "-options". A second entry of one kind
// within a second is named "...-read-2". The newest 100 entries of each kind
// are kept. The window and fane5-cli both keep and list entries here.
#include "base/RadioData.h"

#include <QDateTime>
#include <QList>
#include <QString>

enum class HistoryKind { Read, Write, Verify, ReadOptions, WriteOptions, VerifyOptions };

inline constexpr int HistoryKeptPerKind = 100;

struct HistoryEntry {
    QDateTime When;
    HistoryKind Kind = HistoryKind::Read;
    QString Base;            // the folder and name without extension
    int ChannelsInUse = -1;  // channel entries: slots with a frequency; -1 for options

    bool HoldsChannels() const;
    QString DataPath() const;  // the .img or .frame
    QString FilePath() const;  // the .chnw or .optw
};

// <data folder>/history
QString HistoryFolder();

// "channel read", "option write", "channel verify", ...
QString HistoryKindText(HistoryKind kind);

// Keeps one entry made now and drops the oldest beyond HistoryKeptPerKind;
// `name`, when given, gets the entry's name ("2026-12-08T14-03-22-read").
// False with `error` when it could not be written; the transfer stands.
bool KeepChannelImage(HistoryKind kind, const MemoryImageBytes& image, QString& error, QString* name = nullptr);
bool KeepOptionFrame(HistoryKind kind, const OptionFrame& frame, QString& error, QString* name = nullptr);

// Every entry, newest first.
QList<HistoryEntry> HistoryEntries();
