#include "ChannelFileDialogs.h"

#include "ui/common/FileDialogs.h"

namespace {

const QString ChannelSuffix = QStringLiteral("chnw");
const QString ChannelFilter = QStringLiteral("chnw file(*.chnw)");

} // namespace

QString ChooseChannelFileToSave(QWidget* parent, const QString& suggested)
{
    return ChooseFile(parent, QFileDialog::AcceptSave, ChannelSuffix, ChannelFilter, suggested);
}

QString ChooseChannelFileToOpen(QWidget* parent)
{
    return ChooseFile(parent, QFileDialog::AcceptOpen, ChannelSuffix, ChannelFilter);
}

// Images from other programs often end in .bin.
QString ChooseExchangeFile(QWidget* parent, ExchangeFile kind, bool save)
{
    const QFileDialog::AcceptMode mode = save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen;
    if (kind == ExchangeFile::Csv)
        return ChooseFile(parent, mode, QStringLiteral("csv"), QStringLiteral("CSV file(*.csv)"));
    return ChooseFile(parent, mode, QStringLiteral("img"), QStringLiteral("Radio image(*.img *.bin)"));
}
