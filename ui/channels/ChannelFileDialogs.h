#pragma once
// The save and open dialogs of channel files: default extension "chnw",
// filter "chnw file(*.chnw)". An empty result means the user cancelled.
#include <QString>

class QWidget;

QString ChooseChannelFileToSave(QWidget* parent);
QString ChooseChannelFileToOpen(QWidget* parent);
