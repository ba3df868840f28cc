#pragma once
// Import CSV's preview, shown before anything changes: one line for each
// channel line of the file, with the row it goes to, its name, frequencies
// and tones and what happens to it (placed / changed: what / not placed:
// why); the counts; where the lines go (at their Location, or in file order
// from a row on, 81 at first: the rows without fixed frequencies); and
// "Import N channels" or Cancel.
#include "channels/CsvImport.h"

#include <QDialog>
#include <optional>

class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTreeWidget;

class CsvImportDialog : public QDialog {
    Q_OBJECT
public:
    CsvImportDialog(const QString& fileName, const CsvFile& file, const ChannelTable& table, const BandLimits& bands,
                    QWidget* parent = nullptr);

    // The lines placed as the choice stands.
    const CsvImport& Import() const { return import_; }

    QRadioButton *AtLocation, *FromRow;
    QSpinBox* FirstRow;
    QTreeWidget* Lines;
    QLabel* Counts;
    QPushButton *ImportButton, *CancelButton;

private:
    void Place();
    void ShowLines();
    void FitToLines();

    const CsvFile& file_;
    const ChannelTable& table_;
    const BandLimits bands_;
    CsvImport import_;
};

// Shows the preview; the import the user chose, nothing when cancelled.
std::optional<CsvImport> PreviewCsvImport(QWidget* parent, const QString& fileName, const CsvFile& file,
                                          const ChannelTable& table, const BandLimits& bands);
