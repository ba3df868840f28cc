#pragma once
// "Radio history...": the entries of the radio history, newest first (date,
// kind, channels in use), with Open for the chosen one and Show folder.
#include "history/RadioHistory.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QTreeWidget;

class HistoryDialog : public QDialog {
    Q_OBJECT
public:
    explicit HistoryDialog(QWidget* parent = nullptr);

    // The entry Open was pressed for (after exec() returned Accepted).
    HistoryEntry Chosen() const { return chosen_; }

    // Shows the folder in the desktop's file manager; replaceable for tests.
    std::function<void(const QString& folder)> ShowFolder;

    QLabel* FolderLabel;
    QTreeWidget* List;
    QPushButton *OpenButton, *FolderButton, *CloseButton;

private:
    void OpenCurrent();

    QList<HistoryEntry> entries_;
    HistoryEntry chosen_;
};
