#pragma once
// Import CSV's preview, shown before anything changes: one line for each
// channel line of the file, with the row it goes to, every value an import
// sets (name, frequencies, tones, power, bandwidth, scan, repeater) and what
// happens to it (placed / changed: what / not placed: why, and the channel
// it replaces, also below the list for the current line); the counts; where the lines go (at their Location, or in
// file order from a row on, 81 at first: the rows without fixed
// frequencies; free rows only unless filled rows are to be replaced); and
// "Import N channels" or Cancel. It opens on the list of lines, and gives the
// focus back to where it was when it closes.
#include "channels/CsvImport.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

class CsvImportDialog : public QDialog {
    Q_OBJECT
public:
    CsvImportDialog(const QString& fileName, const CsvFile& file, const ChannelTable& table, const BandLimits& bands,
                    QWidget* parent = nullptr);

    // The lines placed as the choice stands.
    const CsvImport& Import() const { return import_; }

    QRadioButton *AtLocation, *FromRow;
    QSpinBox* FirstRow;
    QCheckBox* ReplaceRows;
    QTreeWidget* Lines;
    QLabel *Detail, *Counts;
    QPushButton *ImportButton, *CancelButton;

private:
    void NameChoices();
    void ShowDetail(const QTreeWidgetItem* item);
    void Place();
    void ShowLines();
    void FitToLines();
    int OutcomeWidth() const;

    const CsvFile& file_;
    const ChannelTable& table_;
    const BandLimits bands_;
    CsvImport import_;
};

// Shows the preview; the import the user chose, nothing when cancelled.
std::optional<CsvImport> PreviewCsvImport(QWidget* parent, const QString& fileName, const CsvFile& file,
                                          const ChannelTable& table, const BandLimits& bands);
