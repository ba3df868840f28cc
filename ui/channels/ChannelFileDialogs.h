#pragma once
// The save and open dialogs of channel files: default extension "chnw",
// filter "chnw file(*.chnw)"; and of the files channels are exchanged in:
// CSV files and raw radio images. An empty result means the user cancelled.
#include <QString>

class QWidget;

// `suggested`: the file the dialog starts with (the window's current file).
QString ChooseChannelFileToSave(QWidget* parent, const QString& suggested);
QString ChooseChannelFileToOpen(QWidget* parent);

enum class ExchangeFile { Csv, Image };
QString ChooseExchangeFile(QWidget* parent, ExchangeFile kind, bool save);
