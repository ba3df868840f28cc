#pragma once
// Program radios...: the window's channels (and, when chosen, an option
// file) into one radio after another. The operator connects a radio and
// presses Start (or Space); each radio gets one line in the list (number,
// time, seconds, verified or failed and why) and no box, the counts stay in
// view, and a failed radio is retried or passed over. With a channel file,
// the run's log is kept beside it after every radio.
#include "exchange/RadioRun.h"

#include <QDialog>
#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

class ProgramRadiosDialog : public QDialog {
    Q_OBJECT
public:
    // `setup` gives the exchange for the dialog's progress bar; `channelFile`
    // is the window's file, empty when it has none.
    using SetupFor = std::function<ExchangeSetup(QProgressBar* bar)>;
    ProgramRadiosDialog(const ChannelTable& channels, const QString& channelFile, SetupFor setup,
                        QWidget* parent = nullptr);
    ~ProgramRadiosDialog() override;

    // The option file's dialog; replaceable so that tests need none.
    std::function<QString(QWidget* parent)> ChooseOptionFile;

    QCheckBox *WithOptions, *Backup;
    QLabel *OptionFile, *Prompt, *Counts, *LogNote;
    QTreeWidget* Radios;
    QProgressBar* Bar;
    QPushButton *StartButton, *NextButton, *StopButton;

    // Programs the radio connected now (Start and Space).
    void Start();
    // Passes over a failed radio to the next number (Next and N).
    void Next();
    // Stop: closes the list, but never while a radio is programmed.
    void reject() override;

private:
    bool StartRun();
    void ChooseOptions(bool on);
    void ShowOutcome(const RadioOutcome& outcome);
    void ShowPrompt();
    void KeepLog();

    ChannelTable channels_;
    QString channelFile_, optionPath_, logPath_;
    SetupFor setup_;
    std::unique_ptr<RadioRun> run_;
    int number_ = 1;
    bool retry_ = false;
};
