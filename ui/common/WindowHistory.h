#pragma once
// The windows' side of the radio history: a transfer is kept after it
// succeeded; a history that cannot be written is said in the main window's
// status bar and never fails the transfer.
#include "history/RadioHistory.h"

class QWidget;

void KeepInHistory(QWidget* window, HistoryKind kind, const MemoryImageBytes& image);
void KeepInHistory(QWidget* window, HistoryKind kind, const OptionFrame& frame);

// A short note in the status bar of the main window that holds `window`
// (nothing when it stands alone).
void ShowStatusNote(QWidget* window, const QString& text);
