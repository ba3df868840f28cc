#pragma once
// The save and open dialogs of the windows' files.
#include <QFileDialog>
#include <QString>

// A dialog for one kind of file: `suffix` is added to a name typed without
// one, `filter` lists the kind ("chnw file(*.chnw)"), `suggested` is the
// file it starts with (the window's current file). Opening takes an existing
// file only. An empty result means the user cancelled.
QString ChooseFile(QWidget* parent, QFileDialog::AcceptMode mode, const QString& suffix, const QString& filter,
                   const QString& suggested = {});
