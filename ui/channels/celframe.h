#pragma once
// TForm2: the channel window. A frameless, rounded child of the main window
// that shows the channel table in a grid, edits it (drop-down list in the
// choice cells, filtered typing in the frequency and name cells, band check
// and raster snap when an edited frequency cell is left, copy/paste/clear of the
// chosen rows through the system clipboard, moving rows 81..99), reads it
// from the radio and writes it back, saves and opens channel files, and
// exchanges channels as CSV files and raw radio images. Every change is an
// undo step. The table keeps all 128 channels; the grid shows channels 1..99
// and, unless all columns are shown, hides CH-Name, OptSingal and SPUnmute.
// How the grid edits a cell is ChannelGridEditing's; the window lays out,
// runs the buttons and menus and keeps the undo steps and the file.
#include "ChannelFileDialogs.h"
#include "ChannelGridEditing.h"
#include "CsvImportDialog.h"
#include "base/ProgramState.h"
#include "channels/ChannelClipboard.h"
#include "channels/ChannelTable.h"
#include "ui/common/ChildCommands.h"
#include "ui/common/GuiLinkUi.h"
#include "ui/common/UnsavedChanges.h"
#include "ui/common/WindowExchange.h"

#include <QDateTime>
#include <QUndoStack>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class ChannelGridModel;
class ChannelGridView;
class LinkUi;
class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QSizeGrip;
class TitleStrip;

class TForm2 : public QWidget, public ChildCommands, public ChannelExchangeCommands, public ChannelEditCommands,
               public RadioCompareCommands, public RadioRunCommands {
    Q_OBJECT
public:
    using Cell = GridCell;

    explicit TForm2(QWidget* owner = nullptr);
    ~TForm2() override;

    // Buttons: Read, Write, New, Save, Open, Close. Each does nothing while a
    // transfer runs.
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();

    // The main window's commands.
    void Read() override { Button1Click(); }
    void Write() override { Button2Click(); }
    void New() override { Button3Click(); }
    void Save() override { Button4Click(); }
    void Open() override { Button5Click(); }
    void Print() override;  // the table, job "test"
    void SaveCurrentFile() override;

    // The File menu's exchange items (the same 8192-byte images as
    // `fane5-cli dump`).
    void ImportCsv() override;
    void ExportCsv() override;
    void OpenRadioImage() override;
    void SaveRadioImage() override;
    // The Edit menu's "Compare with radio..." and "Program radios..." (celframeRadios.cpp).
    void CompareWithRadio() override;
    void ProgramRadios() override;

    void FormShow();
    // The popup menu's row actions; the values are the items' tags.
    enum class RowAction { Copy = 0, Paste = 1, Clear = 2 };
    // Acts on the chosen rows: the selected rows, or the current cell's row
    // when none is selected.
    void N1Click(RowAction action);
    // Swaps the chosen rows with their neighbours (step -1 up, +1 down) when
    // all of them and their new places lie among rows 81..99; otherwise says
    // so in the status bar.
    void MoveRows(int step);
    // The Edit menu's row items and the popup menu: Copy, Paste, Clear, Move
    // up, Move down, Select all (rows 1..99).
    void EditRows(RowCommand command) override;
    // Shows CH-Name, OptSingal and SPUnmute too, or hides them again; the
    // choice is kept for the next window. The window grows or shrinks with
    // its columns when it was as wide as they are.
    void ShowAllColumns(bool on) override;
    void SetDefaluParams(const QString& rx, const QString& tx, int row);

    // Questions and notices (the link's and the window's own) go here;
    // by default message boxes over this window.
    void SetLinkUi(LinkUi* ui) { ui_ = ui; }
    // Read and Write run on this link (by default one of the window's own).
    void SetRadioLink(RadioLink& link) { link_.Share(link); }
    RadioLink& Link() const { return *link_; }
    // The file dialogs; replaceable so that tests need no dialog. The save
    // dialog starts with the window's current file, if it has one.
    std::function<QString(QWidget* parent, const QString& current)> ChooseSaveFile;
    std::function<QString(QWidget* parent)> ChooseOpenFile;
    std::function<QString(QWidget* parent, ExchangeFile kind, bool save)> ChooseExchange;
    // Import CSV's preview: the import the user chose, nothing on Cancel.
    std::function<std::optional<CsvImport>(QWidget* parent, const QString& fileName, const CsvFile& file,
                                           const ChannelTable& table, const BandLimits& bands)>
        PreviewImport = PreviewCsvImport;
    // The question before unsaved changes are lost (closing, New, Open, Read).
    UnsavedQuestion AskUnsaved = AskUnsavedBox;

    // Every change of the table is one step here. The stack is clean while
    // the table holds what was last read, opened or saved.
    QUndoStack& UndoStack() override { return undo_; }
    void EndTyping() override { FlushTyping(); }
    bool OpenFileAt(const QString& path, OpenAs as) override;

    const ChannelTable& Table() const { return table_; }
    ChannelGridModel* Model() const { return model_; }

    // The designed size: the window's first size, and its frame's.
    QSize sizeHint() const override;

    // Editor state.
    Cell ActiveCell{1, 1};
    // The rows last copied; at first one row of the initial values.
    CopiedRows RowClipboard;
    bool FillingDefaults = false;

    // Controls, named as in the window's design.
    TitleStrip* Panel2;
    QFrame* Panel1;
    ChannelGridView* StringGrid1;
    // The list open in the current choice cell, the grid's own editor; null
    // when none is open.
    QComboBox* ComboBox1() const { return editing_->ComboBox1(); }
    QLabel* Label1;
    QProgressBar* ProgressBar1;
    QPushButton *Button1, *Button2, *Button3, *Button4, *Button5, *Button6;
    QSizeGrip* Grip;  // lower right corner: resizes the window
    QMenu* PopupMenu1;
    QAction *C1, *N1, *D1, *MoveUpItem, *MoveDownItem, *SelectAllItem;
    QAction* ShowColumnsItem;   // the header menu's "Show all columns", ticked while they are shown

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void BuildGrid();
    void BuildButtons();
    void BuildMenus();
    void SizeWindow();
    void LayOutControls();

    void ShowBadCell(const QString& message, int column, int row);
    void Tell(const QString& path, const QString& reason);

    std::vector<int> ChosenRows() const;
    // The one place where Paste, Clear, Move, Import CSV and Open radio image
    // put the table they computed.
    void ApplyTable(const ChannelTable& next, const QString& what);
    ExchangeSetup Exchange();
    void SaveTable(bool choose);
    bool SaveChannelFile(bool choose);
    bool LoadChannelFile(const QString& path, OpenAs as);
    void NameRefusedCells(const QString& fileName);

    // Undo steps and the unsaved state.
    void RecordChange(const QString& what, Cell cell);
    void RecordCellEdit(Cell cell);
    void FlushTyping();
    void ShowTable(const ChannelTable& table, Cell cell);
    bool MayDiscardChanges();
    void MarkClean(const QString& path);
    void UpdateTitle();

    ChannelTable table_;
    ChannelTable recorded_;  // the table as the last undo step left it
    QUndoStack undo_;
    QString designedTitle_;
    QString filePath_;  // the file last opened or saved; Save writes it
    QDateTime readAt_;  // when the table was read from the radio, for the printout's heading
    ChannelGridModel* model_;
    std::unique_ptr<ChannelGridEditing> editing_;
    GuiLinkUi boxes_;
    LinkUi* ui_;
    WindowLink link_;
    bool shown_ = false;
    QSize designedSize_;
};
