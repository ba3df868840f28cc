#pragma once
// TFormDova: the options window. It holds the radio's general options only in
// its controls; reading and writing the radio go through the option frame,
// files through the option file.
//
// Read and Write run the exchange on a worker while this thread keeps
// processing events, so the window repaints and shows progress; TransferBusy
// keeps every button (here and in the main window) idle meanwhile.
// OpenWindows is kept by the main window as this window's frame is activated
// and closed.
#include "options/OptionControls.h"
#include "ui/common/ChildCommands.h"
#include "ui/common/UnsavedChanges.h"
#include "ui/common/WindowExchange.h"

#include <QDateTime>
#include <QUndoStack>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class TitleStrip;

class TFormDova : public QWidget, public ChildCommands, public RadioCompareCommands {
    Q_OBJECT
public:
    // Messages go to `ui`; without one the window shows message boxes.
    explicit TFormDova(QWidget* parent = nullptr, LinkUi* ui = nullptr);
    ~TFormDova() override;

    void Button1Click();  // Read
    void Button2Click();  // Write
    void Button3Click();  // Default
    void Button4Click();  // Save
    void Button5Click();  // Open
    void Button6Click();  // Close

    // The main window's commands.
    void Read() override { Button1Click(); }
    void Write() override { Button2Click(); }
    // The radio's options against the controls, in the compare list; Write from there.
    void CompareWithRadio() override;
    void New() override { Button3Click(); }
    void Save() override { Button4Click(); }
    void Open() override { Button5Click(); }
    void Print() override;  // a picture of the window, job "print option"
    void SaveCurrentFile() override;

    // The controls' selections in design order. Setting them runs no change
    // handler, so the CTCSS/DCS exclusion is left alone.
    OptionValues ControlValues() const;
    void SetControlValues(const OptionValues& values);

    // The file part of Save and Open, after the file dialog; a failure is
    // reported and changes nothing.
    bool SaveControlsTo(const QString& path);
    bool OpenControlsFrom(const QString& path, OpenAs as = OpenAs::UserFile);
    bool OpenFileAt(const QString& path, OpenAs as) override;

    // Read and Write run on this link (by default one of the window's own).
    void SetRadioLink(RadioLink& link) { link_.Share(link); }
    RadioLink& Link() const { return *link_; }

    // The file dialogs; replaceable so that tests need no dialog. The save
    // dialog starts with the window's current file, if it has one.
    std::function<QString(QWidget* parent, const QString& current)> ChooseSaveFile;
    std::function<QString(QWidget* parent)> ChooseOpenFile;
    // The question before unsaved changes are lost (closing, Open, Read).
    UnsavedQuestion AskUnsaved = AskUnsavedBox;
    // Every change of the values is one step here. The stack is clean while
    // the window holds what was last read, opened or saved.
    QUndoStack& UndoStack() override { return undo_; }

    TitleStrip* Panel8;
    QFrame* Panel7;
    QFrame* Panel1;
    QFrame* Panel2;
    QComboBox *ComboBox1, *ComboBox2, *ComboBox3, *ComboBox4, *ComboBox5, *ComboBox6;
    QComboBox *ComboBox7, *ComboBox8, *ComboBox9, *ComboBox10, *ComboBox11;
    QCheckBox *CheckBox1, *CheckBox4, *CheckBox6;
    QPushButton *Button1, *Button2, *Button3, *Button4, *Button5, *Button6;
    QProgressBar* ProgressBar1;
    QLabel* Label21;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildPanels();
    void BuildButtons();
    QWidget* MakeControl(OptionSlot slot, QFrame* panel, int& row);
    void FormShow();
    void ComboBox2Change(int index);
    void ComboBox3Change(int index);
    // Read and Write: the exchange with the lists held still (a write has
    // taken its frame already, and a read replaces them); the progress bar
    // ends at 0.
    ExchangeReport RunExchange(const std::function<ExchangeReport(const ExchangeSetup&)>& exchange);
    void SetListsEnabled(bool enabled);
    bool SaveOptionFile(bool choose);

    // Undo steps and the unsaved state.
    void RecordChange(const QString& what);
    void ShowValues(const OptionValues& values, int changedSlot);
    bool MayDiscardChanges();
    void MarkClean(const QString& path);
    void UpdateTitle();

    std::unique_ptr<LinkUi> ownUi_;
    LinkUi* ui_;
    WindowLink link_;
    std::array<QWidget*, OptionSlotCount> controls_{};  // design order
    OptionValues recorded_;  // the values as the last undo step left them
    QUndoStack undo_;
    QString filePath_;  // the file last opened or saved; Save writes it
    QDateTime readAt_;  // when the values were read from the radio, for the printout's heading
};
