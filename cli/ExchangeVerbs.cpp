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
    if (!csv.Ok)
        return RefusedCell(input, {false, csv.Row, csv.Column, csv.Message}, rowCount);
    QString error;
    return WriteCsvFile(args.Out, csv.Text, error) ? ExitSuccess : FileError(args.Out, error);
}

int RunImportCsv(const CliArgs& args)
{
    ChannelTable table = DefaultChannelTable();
    int rowCount = 0;
    if (!args.Base.isEmpty())
        if (const int exit = OpenChannelFile(args.Base, table, rowCount); exit != ExitSuccess)
            return exit;
    const QString& input = args.Inputs.first();
    QString text, error;
    if (!ReadCsvFile(input, text, error))
        return FileError(input, error);
    const CsvImport imported = ChannelTableFromCsv(text, CurrentBands(), table);
    if (!imported.Ok)
        return FileError(input, imported.Message);
    const ChannelFileResult saved = WriteChannelFile(args.Out, table, ChannelTable::RowCount, ChannelKind);
    if (!saved.Ok)
        return FileError(args.Out, saved.Message);
    PrintLine(imported.Summary());
    return ExitSuccess;
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
         QStringLiteral("save channels 1 to 99 of a channel file as CSV in the layout of the hobby's\n"
                        "multi-radio tool (see README); every row is checked as write checks it"),
         NeedInput | NeedOut, RunExportCsv},
        {QStringLiteral("import-csv"), QStringLiteral("FILE.csv --out FILE.chnw [--base FILE.chnw]"),
         QStringLiteral("put the channels of such a CSV into the built-in default channels (or into\n"
                        "the --base file) as the grid would take them; a bad line is named and\n"
                        "nothing is written"),
         NeedInput | NeedOut | MayBase, RunImportCsv},
        {QStringLiteral("diff"), QStringLiteral("A B"),
         QStringLiteral("compare two channel files or memory images as a radio would hold them and\n"
                        "print each channel and field that differs (exit 0 same, 1 different)"),
         NeedTwoInputs, RunDiff},
    };
}
