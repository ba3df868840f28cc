#pragma once
// The command line of fane5-cli: VERB [INPUT...] [--port DEV] [--in FILE]
// [--out FILE] [--base FILE] [--retries N] [--verify] [--no-history] [--at N]
// [--skip] [--replace] [--options FILE] [--log FILE] [--backup], or -h,
// --help or --version anywhere.
#include "CliVerbs.h"
#include <QString>
#include <QStringList>

struct ParsedCommand {
    bool Help = false;
    bool Version = false;
    const CliVerb* Verb = nullptr;   // set when the command is complete
    CliArgs Args;
    QString Error;                   // usage error, when neither Help nor Verb
};

// arguments without the program name.
ParsedCommand ParseCommand(const QStringList& arguments);

QString HelpText();
