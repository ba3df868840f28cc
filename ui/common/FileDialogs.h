#pragma once
// The save and open dialogs of the windows' files.
#include <QFileDialog>
#include <QString>

// A dialog for one kind of file: `suffix` is added to a name typed without
// one, `filter` lists the kind ("chnw file(*.chnw)"), `suggested` is the
// file it starts with (the window's current file). Opening takes an existing
// file only. An empty result means the user cancelled. It starts in the
// folder of StartFolder, and the folder of the file chosen is remembered for
// the kind (UserSettings.h).
QString ChooseFile(QWidget* parent, QFileDialog::AcceptMode mode, const QString& suffix, const QString& filter,
                   const QString& suggested = {});

// The suggested file's folder when it names one; else the folder this kind
// of file was last chosen in, while it is there; else the user's documents.
// Never the folder the program happened to be started from.
QString StartFolder(const QString& suffix, const QString& suggested);
