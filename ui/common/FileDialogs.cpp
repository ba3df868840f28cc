#include "FileDialogs.h"

#include "KeepFocus.h"
#include "UserSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString StartFolder(const QString& suffix, const QString& suggested)
{
    if (const QFileInfo file(suggested); !suggested.isEmpty() && file.isAbsolute())
        return file.absolutePath();
    if (const QString last = FileFolder(suffix); !last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString ChooseFile(QWidget* parent, QFileDialog::AcceptMode mode, const QString& suffix, const QString& filter,
                   const QString& suggested)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(suffix);
    dialog.setNameFilter(filter);
    dialog.setDirectory(StartFolder(suffix, suggested));
    if (!suggested.isEmpty())
        dialog.selectFile(QFileInfo(suggested).fileName());
    const KeepFocus keep;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString chosen = dialog.selectedFiles().first();
    SetFileFolder(suffix, QFileInfo(chosen).absolutePath());
    return chosen;
}
