// The verbs that exchange channels with other programs and compare them:
// export-csv, import-csv, diff.
#include "ChannelSteps.h"
#include "CliOutput.h"
#include "CliVerbs.h"
#include "channels/ChannelCodec.h"
#include "channels/ChannelCsv.h"
#include "channels/ChannelDefaults.h"
#include "channels/ChannelDiff.h"
#include "channels/ChannelFile.h"
#include "channels/CsvImport.h"
#include "channels/FrequencySnap.h"
#include <cstdio>

namespace {

const QString ChannelKind = ChannelFileKind.toString();

int RunExportCsv(const CliArgs& args)
{
    const QString& input = args.Inputs.first();
    ChannelTable table;
    int rowCount = 0;
    if (const int exit = OpenChannelFile(input, table, rowCount); exit != ExitSuccess)
        return exit;
    const CsvExport csv = ChannelTableToCsv(table, CurrentBands());
    if (csv.Failure)
        return RefusedCell(input, *csv.Failure, rowCount);
    if (const auto problem = WriteCsvFile(args.Out, csv.Text))
        return FileError(args.Out, problem->Text());
    if (!csv.Notice().isEmpty())
        PrintLine(csv.Notice());
    return ExitSuccess;
}

// The report: each line not placed or changed, then the counts.
void PrintReport(const QString& input, const CsvImport& imported)
{
    for (const CsvLine& line : imported.Lines)
        if (line.Row == 0 || !line.Changes.isEmpty())
            PrintLine(QStringLiteral("%1: %2").arg(input, line.Describe()));
    PrintLine(imported.Counts());
}

int RunImportCsv(const CliArgs& args)
{
    ChannelTable table = DefaultChannelTable();
    int rowCount = 0;
    if (!args.Base.isEmpty())
        if (const int exit = OpenChannelFile(args.Base, table, rowCount); exit != ExitSuccess)
            return exit;
    const QString& input = args.Inputs.first();
    const Outcome<QString> text = ReadCsvFile(input);
    if (text.Failure)
        return FileError(input, text.Failure->Text());
    const CsvFile file = ReadCsvChannels(text.Value, CurrentBands());
    if (file.Failure)
        return FileError(input, file.Failure->Text());
    const CsvPlacement placement = args.At > 0 ? CsvPlacement{false, args.At, args.Replace} : CsvPlacement{};
    const CsvImport imported = PlaceCsvLines(file, placement, table, CurrentBands());
    PrintReport(input, imported);
    if (imported.Placed == 0)
        return FileError(args.Out, QStringLiteral("not written: no line could be placed"));
    if (imported.NotPlaced > 0 && !args.Skip)
        return FileError(args.Out, QStringLiteral("not written: %1 not placed (--skip writes the %2 placed)")
                                       .arg(imported.NotPlaced).arg(imported.Placed));
    const Outcome<int> saved = WriteChannelFile(args.Out, imported.Table, ChannelTable::RowCount, ChannelKind);
    return saved.Failure ? FileError(args.Out, saved.Failure->Text()) : ExitSuccess;
}

// What a radio would hold for the file, as texts.
int RadioTable(const QString& path, ChannelTable& table)
{
    MemoryImageBytes image;
    const int exit = LoadChannelsOrImage(path, image);
    if (exit == ExitSuccess)
        LoadChannelsFromImage(image, table);
    return exit;
}

int RunDiff(const CliArgs& args)
{
    ChannelTable first, second;
    for (const auto& [path, table] : {std::pair{args.Inputs.at(0), &first}, std::pair{args.Inputs.at(1), &second}})
        if (const int exit = RadioTable(path, *table); exit != ExitSuccess)
            return exit;
    const std::vector<ChannelDifference> differences = DiffChannelTables(first, second);
    for (const ChannelDifference& difference : differences)
        std::printf("%s\n", DescribeDifference(difference).toLocal8Bit().constData());
    return differences.empty() ? ExitSuccess : ExitDifferent;
}

} // namespace

std::vector<CliVerb> ExchangeVerbs()
{
    return {
        {QStringLiteral("export-csv"), QStringLiteral("FILE.chnw --out FILE.csv"),
         QStringLiteral("save channels 1 to 99 of a channel file as CSV in CHIRP's layout (see\n"
                        "README); every row is checked as write checks it"),
         NeedInput | NeedOut, RunExportCsv},
        {QStringLiteral("import-csv"), QStringLiteral("FILE.csv --out FILE.chnw [--base FILE.chnw] [--at N [--replace]] [--skip]"),
         QStringLiteral("put the lines of such a CSV (CHIRP's too) into the built-in default channels\n"
                        "(or into the --base file) as the grid would take them; each line not placed\n"
                        "or changed is named; when a line is not placed nothing is written and the\n"
                        "exit status is 2, unless --skip"),
         NeedInput | NeedOut | MayBase | TakesPlacing, RunImportCsv},
        {QStringLiteral("diff"), QStringLiteral("A B"),
         QStringLiteral("compare two channel files or memory images as a radio would hold them and\n"
                        "print each channel and field that differs (exit 0 same, 1 different)"),
         NeedTwoInputs, RunDiff},
    };
}
