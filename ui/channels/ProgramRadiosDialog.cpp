#include "ProgramRadiosDialog.h"

#include "base/ProgramState.h"
#include "exchange/RunLog.h"
#include "options/OptionFile.h"
#include "options/OptionFrame.h"
#include "ui/common/Accessibility.h"
#include "ui/common/FileDialogs.h"
#include "ui/common/KeepFocus.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString ChooseOptionFileDialog(QWidget* parent)
{
    return ChooseFile(parent, QFileDialog::AcceptOpen, OptionFileSuffix(), OptionFileFilter());
}

// A box over the dialog; the focus comes back where it was.
void Warn(QWidget* dialog, const QString& text)
{
    const KeepFocus keep;
    QMessageBox::warning(dialog, dialog->windowTitle(), text);
}

} // namespace

ProgramRadiosDialog::ProgramRadiosDialog(const ChannelTable& channels, const QString& channelFile, SetupFor setup,
                                         QWidget* parent)
    : QDialog(parent), ChooseOptionFile(ChooseOptionFileDialog), channels_(channels), channelFile_(channelFile),
      setup_(std::move(setup))
{
    setObjectName(QStringLiteral("ProgramRadiosDialog"));
    setWindowTitle(QStringLiteral("Program radios"));
    ReturnFocusWhenDone(this);
    WithOptions = new QCheckBox(QStringLiteral("Write an option file too"), this);
    OptionFile = new QLabel(this);
    Backup = new QCheckBox(QStringLiteral("Keep each radio's contents first (read into the radio history)"), this);
    Prompt = new QLabel(this);
    Radios = new QTreeWidget(this);
    Radios->setObjectName(QStringLiteral("Radios"));
    NameControl(Radios, QStringLiteral("Radios programmed"));
    Radios->setRootIsDecorated(false);
    Radios->setHeaderLabels({QStringLiteral("Radio"), QStringLiteral("Time"), QStringLiteral("Seconds"),
                             QStringLiteral("Result")});
    Radios->header()->setStretchLastSection(true);
    for (const auto& [column, width] : {std::pair{0, 60}, std::pair{1, 80}, std::pair{2, 70}})
        Radios->setColumnWidth(column, width);
    Counts = new QLabel(this);
    LogNote = new QLabel(this);
    LogNote->setWordWrap(true);
    Bar = new QProgressBar(this);
    NameControl(Bar, QStringLiteral("Progress"));
    StartButton = new QPushButton(this);
    NextButton = new QPushButton(this);
    StopButton = new QPushButton(QStringLiteral("Stop"), this);
    StartButton->setDefault(true);
    connect(WithOptions, &QCheckBox::toggled, this, &ProgramRadiosDialog::ChooseOptions);
    connect(StartButton, &QPushButton::clicked, this, &ProgramRadiosDialog::Start);
    connect(NextButton, &QPushButton::clicked, this, &ProgramRadiosDialog::Next);
    connect(StopButton, &QPushButton::clicked, this, &ProgramRadiosDialog::reject);
    connect(new QShortcut(Qt::Key_Space, this), &QShortcut::activated, this, &ProgramRadiosDialog::Start);
    connect(new QShortcut(Qt::Key_N, this), &QShortcut::activated, this, &ProgramRadiosDialog::Next);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(StartButton);
    buttons->addWidget(NextButton);
    buttons->addStretch(1);
    buttons->addWidget(StopButton);
    auto* layout = new QVBoxLayout(this);
    for (QWidget* widget : std::initializer_list<QWidget*>{WithOptions, OptionFile, Backup, Prompt})
        layout->addWidget(widget);
    layout->addWidget(Radios, 1);
    for (QWidget* widget : std::initializer_list<QWidget*>{Counts, LogNote, Bar})
        layout->addWidget(widget);
    layout->addLayout(buttons);
    OptionFile->hide();
    LogNote->setText(channelFile_.isEmpty()
                         ? QStringLiteral("No log: the channels are in no file yet (save them to keep a log beside it).")
                         : QStringLiteral("The log is kept beside %1.").arg(QFileInfo(channelFile_).fileName()));
    Counts->setText(QStringLiteral("Radios: none programmed yet"));
    ShowPrompt();
    resize(760, 440);
}

ProgramRadiosDialog::~ProgramRadiosDialog() = default;

void ProgramRadiosDialog::ChooseOptions(bool on)
{
    if (on && optionPath_.isEmpty())
        optionPath_ = ChooseOptionFile(this);
    if (on && optionPath_.isEmpty())
        return WithOptions->setChecked(false);
    OptionFile->setText(QStringLiteral("Options: %1").arg(QFileInfo(optionPath_).fileName()));
    OptionFile->setVisible(on);
}

// The choices hold from the first radio on.
bool ProgramRadiosDialog::StartRun()
{
    RunPlan plan{channels_, std::nullopt, Backup->isChecked()};
    if (WithOptions->isChecked()) {
        OptionValues values;
        QString error;
        if (!ReadOptionFile(optionPath_, values, error)) {
            Warn(this, error);
            return false;
        }
        plan.Options = FrameFromOptions(values);
    }
    auto run = std::make_unique<RadioRun>(setup_(Bar), plan);
    if (const std::optional<Problem> check = run->Check()) {
        Warn(this, check->Text());
        return false;
    }
    run_ = std::move(run);
    WithOptions->setEnabled(false);
    Backup->setEnabled(false);
    if (!channelFile_.isEmpty())
        logPath_ = RunLogPathBeside(channelFile_, QDateTime::currentDateTime());
    return true;
}

void ProgramRadiosDialog::Start()
{
    if (TransferBusy || !StartButton->isEnabled() || (!run_ && !StartRun()))
        return;
    for (QPushButton* button : {StartButton, NextButton, StopButton})
        button->setEnabled(false);
    Prompt->setText(QStringLiteral("Programming radio %1...").arg(number_));
    const RadioOutcome& outcome = run_->Program(number_);
    Bar->setValue(0);
    ShowOutcome(outcome);
    KeepLog();
    retry_ = !outcome.Verified;
    number_ += outcome.Verified ? 1 : 0;
    for (QPushButton* button : {StartButton, NextButton, StopButton})
        button->setEnabled(true);
    ShowPrompt();
}

void ProgramRadiosDialog::Next()
{
    if (TransferBusy || !retry_)
        return;
    ++number_;
    retry_ = false;
    ShowPrompt();
}

void ProgramRadiosDialog::reject()
{
    if (!TransferBusy)
        QDialog::reject();
}

void ProgramRadiosDialog::ShowOutcome(const RadioOutcome& outcome)
{
    auto* item = new QTreeWidgetItem(Radios, {QString::number(outcome.Number),
                                              outcome.Start.toString(QStringLiteral("HH:mm:ss")),
                                              QString::number(outcome.Seconds, 'f', 1), outcome.Result()});
    item->setToolTip(3, outcome.Result());
    if (!outcome.Verified)
        item->setForeground(3, QColor(Qt::red));
    Radios->scrollToItem(item);
    Counts->setText(QStringLiteral("Radios: %1").arg(run_->Counts()));
}

void ProgramRadiosDialog::ShowPrompt()
{
    Prompt->setText(retry_ ? QStringLiteral("Radio %1 failed: connect it again and press Retry (Space), or Next (N) for radio %2.")
                                 .arg(number_).arg(number_ + 1)
                           : QStringLiteral("Connect radio %1 and press Start (or Space).").arg(number_));
    StartButton->setText(retry_ ? QStringLiteral("Retry radio %1").arg(number_)
                                : QStringLiteral("Start radio %1").arg(number_));
    NextButton->setText(QStringLiteral("Next: radio %1").arg(number_ + 1));
    NextButton->setVisible(retry_);
    StartButton->setFocus();
}

void ProgramRadiosDialog::KeepLog()
{
    QString error;
    if (logPath_.isEmpty())
        return;
    LogNote->setText(WriteRunLog(logPath_, run_->Outcomes(), error)
                         ? QStringLiteral("Log: %1").arg(QDir::toNativeSeparators(logPath_))
                         : QStringLiteral("The log could not be kept: %1").arg(error));
}
