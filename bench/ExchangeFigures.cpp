#include "ExchangeFigures.h"

#include "channels/ChannelCsv.h"
#include "channels/CsvImport.h"
#include "channels/FrequencyCodec.h"
#include "channels/ToneList.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>

namespace {

constexpr int Runs = 20;
constexpr double GoalSeconds = 0.050;
const BandLimits Band{400, 480.9995L, 400, 480.9995L};

// Every row 1..99 a channel, tones and offsets varied so that every tone mode
// and Duplex case occurs.
ChannelTable FullTable()
{
    ChannelTable table;
    const QStringList& tones = ToneList();
    for (int row = 1; row <= 99; ++row) {
        const FrequencyUnits rx = 44000000 + 625 * row;
        const QString tx = row % 4 == 0 ? QString() : FrequencyText(rx + 500000 * (row % 4 - 2));
        const QStringList texts = {FrequencyText(rx), tx, tones.at(row * 7 % tones.size()),
                                   tones.at(row * 11 % tones.size()), row % 2 ? "High" : "Low",
                                   row % 3 ? "25K" : "12.5K", "Off", "Off", "QT", "Off", "On",
                                   QStringLiteral("CH%1").arg(row)};
        for (int column = 1; column <= 12; ++column)
            table.SetText(row, column, texts.at(column - 1));
    }
    return table;
}

// The slowest of Runs runs, in seconds; negative when one failed.
template <typename Step>
double Slowest(Step step)
{
    double slowest = 0;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        if (!step())
            return -1;
        slowest = std::max(slowest, double(timer.nsecsElapsed()) / 1e9);
    }
    return slowest;
}

Figure CsvFigure(const QString& name, double seconds)
{
    return {name, seconds < 0 ? QStringLiteral("FAILED") : Millis(seconds) + QStringLiteral(" (slowest of %1)").arg(Runs),
            QStringLiteral("< %1").arg(Millis(GoalSeconds)), seconds >= 0 && seconds < GoalSeconds};
}

} // namespace

bool MeasureCsvExchange(Figures& figures)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("channels.csv"));
    const ChannelTable table = FullTable();
    const double exported = Slowest([&] {
        const CsvExport csv = ChannelTableToCsv(table, Band);
        return !csv.Failure && csv.Channels == 99 && !WriteCsvFile(path, csv.Text);
    });
    // Back onto the same table: rows 1..80 take only their own frequencies.
    const double imported = Slowest([&] {
        const Outcome<QString> text = ReadCsvFile(path);
        return !text.Failure && PlaceCsvLines(ReadCsvChannels(text.Value, Band), {}, table, Band).Placed == 99;
    });
    figures << CsvFigure(QStringLiteral("CSV export, 99 channels"), exported);
    figures << CsvFigure(QStringLiteral("CSV import, 99 lines"), imported);
    return exported >= 0 && imported >= 0;
}
