#pragma once
// fane5-cli's verbs. Each group of verbs lives in its own file and hands its
// entries to the one table in VerbTable.cpp; main.cpp parses the command line,
// checks what the verb needs and runs it.
#include <QString>
#include <QStringList>
#include <vector>

enum CliExit : int {
    ExitSuccess = 0,
    ExitRadioFailed = 1,    // the radio exchange failed (the link said why)
    ExitUsageOrFile = 2,    // bad command line, or a file that cannot be used
    ExitDifferent = 1,      // diff, compare: the two differ
    ExitNothingDone = 2,    // compare: no read; program: no radio programmed
};

struct CliArgs {
    QString Verb;
    QString Port;           // --port DEV
    QString In;             // --in FILE
    QString Out;            // --out FILE
    QString Base;           // --base FILE
    QString Options;        // --options FILE.optw
    QString Log;            // --log FILE.csv: program's log
    int Retries = 0;        // --retries N: the first N questions are answered Yes
    bool Verify = false;    // --verify: read the radio back after a write
    bool NoHistory = false; // --no-history: keep nothing in the radio history
    int At = 0;             // --at N: import-csv places the lines from row N on (0: at their Location)
    bool Skip = false;      // --skip: import-csv writes what it placed even when some lines were not
    bool Replace = false;   // --replace: import-csv --at places lines over channels too
    bool Backup = false;    // --backup: program reads each radio into the history before writing it
    QStringList Inputs;     // arguments without an option name
};

// What a verb needs on its command line; main.cpp refuses a command without it.
enum CliNeeds : unsigned {
    NeedPort = 1,
    NeedIn = 2,
    NeedOut = 4,
    NeedInput = 8,          // exactly one argument without an option name
    MayBase = 16,           // --base may be given
    NeedTwoInputs = 32,     // exactly two arguments without an option name
    TakesVerify = 64,       // --verify is allowed (the writes)
    TakesPlacing = 128,     // --at and --skip are allowed (import-csv)
    MayIn = 256,            // --in may be given
    MayOptions = 512,       // --options may be given
    TakesRunOptions = 1024, // --backup and --log are allowed (program)
};

struct CliVerb {
    QString Name;
    QString Usage;          // what follows the name, e.g. "--port DEV --out FILE.chnw"
    QString Summary;        // what it does, for --help
    unsigned Needs;         // CliNeeds
    int (*Run)(const CliArgs& args);   // returns a CliExit
};

// Groups of verbs, one file each.
std::vector<CliVerb> ChannelRadioVerbs();   // read, write, dump, write-image (ChannelVerbs.cpp)
std::vector<CliVerb> ChannelFileVerbs();    // decode, encode (ConvertVerbs.cpp)
std::vector<CliVerb> OptionRadioVerbs();    // read-options, write-options (OptionVerbs.cpp)
std::vector<CliVerb> ExchangeVerbs();       // export-csv, import-csv, diff (ExchangeVerbs.cpp)
std::vector<CliVerb> HistoryVerbs();        // history (HistoryVerbs.cpp)
std::vector<CliVerb> RadioRunVerbs();       // compare, program (RunVerbs.cpp)

// Every verb, in the order --help lists them (VerbTable.cpp).
const std::vector<CliVerb>& AllVerbs();
const CliVerb* FindVerb(const QString& name);
