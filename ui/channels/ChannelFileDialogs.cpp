#include "ChannelFileDialogs.h"

#include <QFileDialog>

namespace {

QString ChooseFile(QWidget* parent, QFileDialog::AcceptMode mode, const QString& suffix, const QString& filter)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(suffix);
    dialog.setNameFilter(filter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QString ChooseChannelFile(QWidget* parent, QFileDialog::AcceptMode mode)
{
    return ChooseFile(parent, mode, QStringLiteral("chnw"), QStringLiteral("chnw file(*.chnw)"));
}

} // namespace

QString ChooseChannelFileToSave(QWidget* parent)
{
    return ChooseChannelFile(parent, QFileDialog::AcceptSave);
}

QString ChooseChannelFileToOpen(QWidget* parent)
{
    return ChooseChannelFile(parent, QFileDialog::AcceptOpen);
}

QString ChooseExchangeFile(QWidget* parent, ExchangeFile kind, bool save)
{
    const QFileDialog::AcceptMode mode = save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen;
    if (kind == ExchangeFile::Csv)
        return ChooseFile(parent, mode, QStringLiteral("csv"), QStringLiteral("CSV file(*.csv)"));
    return ChooseFile(parent, mode, QStringLiteral("img"), QStringLiteral("Radio image(*.img)"));
}
