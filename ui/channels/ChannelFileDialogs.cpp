#include "ChannelFileDialogs.h"

#include <QFileDialog>

namespace {

QString ChooseChannelFile(QWidget* parent, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("chnw"));
    dialog.setNameFilter(QStringLiteral("chnw file(*.chnw)"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
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
