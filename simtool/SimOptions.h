#pragma once
// The fane5-sim command line.
#include "sim/SimRadio.h"

#include <QString>
#include <QStringList>

struct SimOptions {
    SimConfig config;
    QString imagePath;          // start memory, 8192 bytes laid out as the link's memory image
    QByteArray optionBytes;     // 16 bytes for 0E20h-0E2Fh, empty when not given
    QString savePath;           // memory written here on exit
    bool blank = false;         // all-empty memory instead of the demo radio's
    bool help = false;          // only print the message (usage text or version)
};

// False with a message naming the bad argument. For --help and --version,
// `help` is set and the message is the text to print.
bool ParseSimOptions(const QStringList& arguments, SimOptions& options, QString& message);

// Start memory: the demo radio's channels and the options as the options
// window designs them (nothing with --blank), then the image file and the
// option bytes of the options.
bool LoadSimMemory(const SimOptions& options, SimRadio& radio, QString& message);

// Writes the radio's memory (the memory image layout) to the save path, if one was given.
bool SaveSimMemory(const SimOptions& options, const SimRadio& radio, QString& message);
