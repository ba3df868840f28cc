#include "CliArgs.h"
#include <algorithm>

namespace {

struct ValueOption {
    const char* Name;
    unsigned Need;          // CliNeeds bit that requires it
    unsigned May;           // CliNeeds bit that allows it without requiring it
    QString CliArgs::*Field;
};

const ValueOption ValueOptions[] = {
    {"--port", NeedPort, 0, &CliArgs::Port},
    {"--in", NeedIn, MayIn, &CliArgs::In},
    {"--out", NeedOut, 0, &CliArgs::Out},
    {"--base", 0, MayBase, &CliArgs::Base},
    {"--options", 0, MayOptions, &CliArgs::Options},
    {"--log", 0, TakesRunOptions, &CliArgs::Log},
};

// Options without a value, and the CliNeeds bit that allows each.
struct FlagOption {
    const char* Name;
    unsigned Allowed;
    bool CliArgs::*Field;
};

const FlagOption FlagOptions[] = {
    {"--verify", TakesVerify, &CliArgs::Verify},
    {"--no-history", NeedPort, &CliArgs::NoHistory},
    {"--skip", TakesPlacing, &CliArgs::Skip},
    {"--replace", TakesPlacing, &CliArgs::Replace},
    {"--backup", TakesRunOptions, &CliArgs::Backup},
};

// "fane5-cli VERB USAGE", without a trailing blank for a verb that takes nothing.
QString CommandLine(const CliVerb& verb)
{
    return QStringLiteral("fane5-cli %1 %2").arg(verb.Name, verb.Usage).trimmed();
}

QString Usage(const CliVerb& verb)
{
    return QStringLiteral("usage: ") + CommandLine(verb);
}

ParsedCommand UsageError(const QString& problem, const CliVerb* verb = nullptr)
{
    ParsedCommand command;
    command.Error = QStringLiteral("fane5-cli: ") + problem + u'\n'
                  + (verb ? Usage(*verb) : QStringLiteral("see fane5-cli --help"));
    return command;
}

bool ParseWholeNumber(const QString& text, int& number)
{
    bool ok = false;
    number = text.toInt(&ok);
    return ok && number >= 0 && !text.startsWith(u'+');
}

bool ParseRow(const QString& text, int& row)
{
    return ParseWholeNumber(text, row) && row >= 1 && row <= 99;
}

// Checks the arguments against what the verb needs and allows.
QString Mismatch(const CliVerb& verb, const CliArgs& args)
{
    for (const ValueOption& option : ValueOptions) {
        const bool given = !(args.*option.Field).isEmpty();
        if ((verb.Needs & option.Need) && !given)
            return QStringLiteral("%1 needs %2").arg(verb.Name, QLatin1String(option.Name));
        if (!(verb.Needs & (option.Need | option.May)) && given)
            return QStringLiteral("%1 takes no %2").arg(verb.Name, QLatin1String(option.Name));
    }
    if (!(verb.Needs & NeedPort) && args.Retries > 0)
        return QStringLiteral("%1 takes no --retries").arg(verb.Name);
    if (!(verb.Needs & TakesPlacing) && args.At > 0)
        return QStringLiteral("%1 takes no --at").arg(verb.Name);
    for (const FlagOption& flag : FlagOptions)
        if (!(verb.Needs & flag.Allowed) && args.*flag.Field)
            return QStringLiteral("%1 takes no %2").arg(verb.Name, QLatin1String(flag.Name));
    const int inputs = (verb.Needs & NeedInput) ? 1 : (verb.Needs & NeedTwoInputs) ? 2 : 0;
    if (args.Inputs.size() < inputs)
        return inputs == 2 ? QStringLiteral("%1 needs two files to compare").arg(verb.Name)
                           : QStringLiteral("%1 needs a file to convert").arg(verb.Name);
    if (args.Inputs.size() > inputs)
        return QStringLiteral("%1: unexpected argument \"%2\"").arg(verb.Name, args.Inputs.at(inputs));
    return {};
}

} // namespace

ParsedCommand ParseCommand(const QStringList& arguments)
{
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h")))
        return {true, false, nullptr, {}, {}};
    if (arguments.contains(QStringLiteral("--version")))
        return {false, true, nullptr, {}, {}};
    if (arguments.isEmpty())
        return UsageError(QStringLiteral("no verb given"));
    CliArgs args;
    args.Verb = arguments.first();
    const CliVerb* verb = FindVerb(args.Verb);
    if (!verb)
        return UsageError(QStringLiteral("unknown verb \"%1\"").arg(args.Verb));
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& word = arguments.at(i);
        if (!word.startsWith(QStringLiteral("--"))) {
            args.Inputs << word;
            continue;
        }
        const auto flag = std::find_if(std::begin(FlagOptions), std::end(FlagOptions),
                                       [&](const FlagOption& f) { return word == QLatin1String(f.Name); });
        if (flag != std::end(FlagOptions)) {
            args.*flag->Field = true;
            continue;
        }
        if (i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty())
            return UsageError(QStringLiteral("%1 needs a value").arg(word), verb);
        const QString& value = arguments.at(++i);
        const auto option = std::find_if(std::begin(ValueOptions), std::end(ValueOptions),
                                         [&](const ValueOption& o) { return word == QLatin1String(o.Name); });
        if (option != std::end(ValueOptions))
            args.*option->Field = value;
        else if (word == QStringLiteral("--retries") && ParseWholeNumber(value, args.Retries))
            continue;
        else if (word == QStringLiteral("--retries"))
            return UsageError(QStringLiteral("--retries needs a whole number of 0 or more"), verb);
        else if (word == QStringLiteral("--at") && ParseRow(value, args.At))
            continue;
        else if (word == QStringLiteral("--at"))
            return UsageError(QStringLiteral("--at needs a row from 1 to 99"), verb);
        else
            return UsageError(QStringLiteral("unknown option %1").arg(word), verb);
    }
    if (const QString mismatch = Mismatch(*verb, args); !mismatch.isEmpty())
        return UsageError(mismatch, verb);
    return {false, false, verb, args, {}};
}

QString HelpText()
{
    QString text = QStringLiteral(
        "fane5-cli: radio exchanges and channel file conversions of the FANE5 programmer,\n"
        "without a window.\n\nUsage:\n");
    for (const CliVerb& verb : AllVerbs()) {
        text += QStringLiteral("  %1\n").arg(CommandLine(verb));
        for (const QString& line : verb.Summary.split(u'\n'))
            text += QStringLiteral("      %1\n").arg(line);
    }
    text += QStringLiteral(
        "\nOptions:\n"
        "  --port DEV    the radio's serial port: com1..com9 as in the Port menu, or a\n"
        "                device path such as /dev/ttyUSB0 or a simulated radio's pty\n"
        "  --in FILE     the file to open\n"
        "  --out FILE    the file to write; it is replaced only when complete\n"
        "  --base FILE   import-csv: the channel file the lines go into (default: the\n"
        "                built-in default channels)\n"
        "  --options FILE\n"
        "                compare: the option file to compare with the radio; program:\n"
        "                an option file written to every radio after the channels\n"
        "  --backup      program: read each radio into the radio history before it is\n"
        "                written\n"
        "  --log FILE    program: a CSV line for every radio (number, start, seconds,\n"
        "                result, history entries), rewritten after each radio\n"
        "  --at N        import-csv: place the lines in file order from row N on, each\n"
        "                in the next free row that can take it (default: at their\n"
        "                Location)\n"
        "  --replace     import-csv, with --at: rows that hold a channel take lines too\n"
        "  --skip        import-csv: write the lines that were placed even when others\n"
        "                were not\n"
        "  --retries N   answer Yes to the first N questions of the radio link\n"
        "                (\"Open port faild!\", \"Device no connect,Try again?\", ...);\n"
        "                without it every question is answered No\n"
        "  --verify      after the write, read the radio back and compare every byte\n"
        "                written; a difference names the first channel and field\n"
        "                (or option) that differs and exits with 1\n"
        "  --no-history  keep nothing of this run in the radio history\n"
        "  -h, --help    this text\n"
        "  --version     the version and the commit it was built from\n"
        "\n"
        "Messages and questions are printed on stderr, one per line, in the program's\n"
        "own words. When stderr is a terminal a progress line is shown as well.\n"
        "Every successful read and write is kept in the radio history, the same as\n"
        "the window's: the raw image (or option frame) and its channel (or option)\n"
        "file, named by date, time and kind, the newest 100 of each kind, in\n"
        "~/.local/share/fane5/history (the user's data folder elsewhere). A history\n"
        "that cannot be written is said on stderr and does not fail the transfer.\n"
        "Channel files hold all 129 rows when written here; a file to write or encode\n"
        "is checked first: in channels 1 to 99 every frequency lies within\n"
        "400-480.9995 MHz (limits excluded); channels 100 to 128 are written as they\n"
        "are read; every tone is Off, a CTCSS tone of 0.0 to 1023.9 Hz or D + three\n"
        "octal digits + N or I.\n"
        "\n"
        "The README, installed in /usr/share/doc/fane5, and fane5-cli(1) say more.\n"
        "\n"
        "Exit status:\n"
        "  0  success (diff: the files hold the same channels; compare: the radio holds\n"
        "     the file; program: every radio was verified)\n"
        "  1  the radio exchange failed, or --verify found the radio holding other data\n"
        "     (diff, compare: they differ; program: a radio failed)\n"
        "  2  usage error, or a file that cannot be read, written or used (the message\n"
        "     names the file and, where there is one, the line); import-csv: a line\n"
        "     was not placed (without --skip) or none could be; compare: the radio\n"
        "     could not be read; program: no radio was programmed\n");
    return text;
}
