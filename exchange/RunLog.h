#pragma once
// The log of a run of radios: a CSV file with a header and one line per
// radio programmed (number, start time, seconds, result, the history
// entries kept), rewritten after every radio so that a run cut short
// keeps what was done.
#include "RadioRun.h"

#include <QString>

QString RunLogText(const QList<RadioOutcome>& outcomes);

// Atomically, as every file of the program; false with `error`.
bool WriteRunLog(const QString& path, const QList<RadioOutcome>& outcomes, QString& error);

// Beside the channel file: "club.chnw" -> "club-radios-2026-12-09T05-41-00.csv".
QString RunLogPathBeside(const QString& channelFile, const QDateTime& start);
