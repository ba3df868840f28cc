// TForm2, the exchange with other programs: CSV files in the layout of the
// common multi-radio tool, and raw 8192-byte memory images.
#include "celframe.h"

#include "channels/ChannelCodec.h"
#include "channels/ChannelCsv.h"
#include "channels/FrequencySnap.h"
#include "channels/ImageFile.h"
#include "channels/RowCheck.h"
#include "ui/common/GuiLinkUi.h"

#include <QFileInfo>

void TForm2::ImportCsv()
{
    if (TransferBusy)
        return;
    const QString path = ChooseExchange(this, ExchangeFile::Csv, false);
    QString text, error;
    if (path.isEmpty())
        return;
    if (!ReadCsvFile(path, text, error))
        return Tell(path, error);
    FlushTyping();
    ChannelTable next = table_;
    const CsvImport imported = ChannelTableFromCsv(text, CurrentBands(), next);
    if (!imported.Ok)
        return Tell(path, imported.Message);
    ApplyTable(next, QStringLiteral("Import %1").arg(QFileInfo(path).fileName()));
    ui_->Notice(imported.Summary(), BoxKind::Information);
}

void TForm2::ExportCsv()
{
    if (TransferBusy)
        return;
    const CsvExport csv = ChannelTableToCsv(table_, CurrentBands());
    if (!csv.Ok)
        return ShowBadCell(csv.Message, csv.Column, csv.Row);
    const QString path = ChooseExchange(this, ExchangeFile::Csv, true);
    QString error;
    if (path.isEmpty())
        return;
    if (!WriteCsvFile(path, csv.Text, error))
        return Tell(path, error);
    ShowStatusNote(this, QStringLiteral("%1 channels exported to %2").arg(csv.Channels).arg(QFileInfo(path).fileName()));
}

void TForm2::OpenRadioImage()
{
    if (TransferBusy)
        return;
    const QString path = ChooseExchange(this, ExchangeFile::Image, false);
    MemoryImageBytes image;
    QString error;
    if (path.isEmpty())
        return;
    if (!ReadImageFile(path, image, error))
        return Tell(path, error);
    FlushTyping();
    ChannelTable next = table_;
    LoadChannelsFromImage(image, next);
    ApplyTable(next, QStringLiteral("Open %1").arg(QFileInfo(path).fileName()));
}

// What a write would send, so it is checked as a write checks it.
void TForm2::SaveRadioImage()
{
    if (TransferBusy)
        return;
    const RowCheckResult check = CheckRowsForWrite(table_, CurrentBands());
    if (!check.Ok)
        return ShowBadCell(check.Message, check.Column, check.Row);
    const QString path = ChooseExchange(this, ExchangeFile::Image, true);
    MemoryImageBytes image;
    StoreChannelsToImage(table_, image);
    QString error;
    if (!path.isEmpty() && !WriteImageFile(path, image, error))
        Tell(path, error);
}
