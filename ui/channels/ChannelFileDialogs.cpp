#include "ChannelFileDialogs.h"

#include <QFileDialog>

namespace {

QString ChooseFile(QWidget* parent, QFileDialog::AcceptMode mode, const QString& suffix, const QString& filter,
                   const QString& suggested = {})
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(suffix);
    dialog.setNameFilter(filter);
    if (!suggested.isEmpty())
        dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

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
