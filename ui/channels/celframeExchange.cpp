// TForm2, the exchange with other programs: CSV files in CHIRP's layout
// (imported through a preview), and raw 8192-byte memory images.
#include "celframe.h"

#include "channels/ChannelCodec.h"
#include "channels/ChannelCsv.h"
#include "channels/CsvImport.h"
#include "channels/FrequencySnap.h"
#include "channels/ImageFile.h"
#include "channels/RowCheck.h"
#include "ui/common/GuiLinkUi.h"

#include <QFileInfo>

// Nothing changes before the user has seen what happens to every line.
void TForm2::ImportCsv()
{
    if (TransferBusy)
        return;
    const QString path = ChooseExchange(this, ExchangeFile::Csv, false);
    if (path.isEmpty())
        return;
    const Outcome<QString> text = ReadCsvFile(path);
    if (text.Failure)
        return Tell(path, text.Failure->Text());
    FlushTyping();
    const CsvFile file = ReadCsvChannels(text.Value, CurrentBands());
    if (file.Failure)
        return Tell(path, file.Failure->Text());
    const QString name = QFileInfo(path).fileName();
    const std::optional<CsvImport> chosen = PreviewImport(this, name, file, table_, CurrentBands());
    if (chosen && chosen->Placed > 0)
        ApplyTable(chosen->Table, QStringLiteral("Import %1").arg(name));
}

void TForm2::ExportCsv()
{
    if (TransferBusy)
        return;
    const CsvExport csv = ChannelTableToCsv(table_, CurrentBands());
    if (csv.Failure)
        return ShowBadCell(csv.Failure->Text(), csv.Failure->Column, csv.Failure->Row);
    const QString path = ChooseExchange(this, ExchangeFile::Csv, true);
    if (path.isEmpty())
        return;
    if (const auto problem = WriteCsvFile(path, csv.Text))
        return Tell(path, problem->Text());
    ShowStatusNote(this, QStringLiteral("%1 channels exported to %2").arg(csv.Channels).arg(QFileInfo(path).fileName()));
    if (!csv.Notice().isEmpty())
        ui_->Notice(csv.Notice(), BoxKind::Information);
}

void TForm2::OpenRadioImage()
{
    if (TransferBusy)
        return;
    const QString path = ChooseExchange(this, ExchangeFile::Image, false);
    MemoryImageBytes image;
    if (path.isEmpty())
        return;
    if (const auto problem = ReadImageFile(path, image))
        return Tell(path, problem->Text());
    FlushTyping();
    ChannelTable next = table_;
    LoadChannelsFromImage(image, next);
    const QString name = QFileInfo(path).fileName();
    ApplyTable(next, QStringLiteral("Open %1").arg(name));
    NameRefusedCells(name);
}

// What a write would send, so it is checked as a write checks it.
void TForm2::SaveRadioImage()
{
    if (TransferBusy)
        return;
    if (const auto cell = CheckRowsForWrite(table_, CurrentBands()))
        return ShowBadCell(cell->Text(), cell->Column, cell->Row);
    const QString path = ChooseExchange(this, ExchangeFile::Image, true);
    MemoryImageBytes image;
    StoreChannelsToImage(table_, image);
    if (path.isEmpty())
        return;
    if (const auto problem = WriteImageFile(path, image))
        Tell(path, problem->Text());
}
