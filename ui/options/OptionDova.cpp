#include "OptionDova.h"

#include "base/ProgramState.h"
#include "base/languagestr.h"
#include "exchange/OptionExchange.h"
#include "options/OptionFile.h"
#include "options/OptionFrame.h"
#include "OptionSpokenNames.h"
#include "ui/common/Accessibility.h"
#include "ui/common/CompareDialog.h"
#include "ui/common/FileDialogs.h"
#include "ui/common/GuiLinkUi.h"
#include "ui/common/KeepFocus.h"
#include "ui/common/PrintJob.h"
#include "ui/common/SpokenList.h"
#include "ui/common/SnapshotStep.h"
#include "ui/common/UserSettings.h"
#include "ui/common/WindowChrome.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>

namespace {

// Design sizes. The window is as wide as Panel7 and 29 higher than it; below
// the 36-pixel title strip that shows 323 of Panel7's 330 rows, and the
// content keeps within them.
constexpr int Panel7Width = 612;
constexpr int Panel7Height = 330;
constexpr int ExtraHeight = 29;
constexpr int Panel7Top = TitleStrip::StripHeight;

// Inside Panel7: two panels side by side, the progress bar and the buttons.
constexpr int Margin = 10;
constexpr int PanelWidth = (Panel7Width - 3 * Margin) / 2;
constexpr int PanelHeight = 237;
constexpr int RowTop = 12;
constexpr int RowPitch = 30;
constexpr int RowHeight = 24;
constexpr int LabelLeft = 12;
constexpr int ListWidth = 110;
constexpr int ListLeft = PanelWidth - 12 - ListWidth;
constexpr int CaptionHeight = 18;  // Panel1: the caption above its list
constexpr int ProgressTop = Margin + PanelHeight + 10;
constexpr int ButtonTop = ProgressTop + 28;
constexpr int ButtonWidth = 90;
constexpr int ButtonHeight = 28;
constexpr int UndoSteps = 100;

QFrame* MakePanel(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    panel->setGeometry(geometry);
    return panel;
}

// The option file dialogs, starting with `suggested` if there is one; an
// empty result means the user cancelled.
QString ChooseOptionFile(QWidget* parent, QFileDialog::AcceptMode mode, const QString& suggested = {})
{
    return ChooseFile(parent, mode, OptionFileSuffix(), OptionFileFilter(), suggested);
}

QComboBox* MakeList(QWidget* parent, const OptionControl& c)
{
    auto* list = new SpokenList(parent);
    list->addItems(c.items);
    ScrollLongList(list);
    return list;
}

bool InPanel1(OptionSlot slot)
{
    return slot <= OptionSlot::Repeater;
}

int ShownRowsOfPanel1()
{
    int rows = 0;
    for (int i = 0; i < OptionSlotCount; ++i)
        rows += InPanel1(OptionSlot(i)) && !OptionControlAt(OptionSlot(i)).hidden;
    return rows;
}

} // namespace

TFormDova::TFormDova(QWidget* parent, LinkUi* ui)
    : QWidget(parent),
      ownUi_(ui ? nullptr : std::make_unique<GuiLinkUi>(this)),
      ui_(ui ? ui : ownUi_.get())
{
    setObjectName(QStringLiteral("TFormDova"));
    ChooseSaveFile = [](QWidget* parent, const QString& current) {
        return ChooseOptionFile(parent, QFileDialog::AcceptSave, current);
    };
    ChooseOpenFile = [](QWidget* parent) { return ChooseOptionFile(parent, QFileDialog::AcceptOpen); };
    StripCaptionStyle(this);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
    setFont(font);

    Panel8 = new TitleStrip(this);
    Panel7 = new QFrame(this);
    Panel7->setObjectName(QStringLiteral("Panel7"));
    Panel7->setGeometry(0, Panel7Top, Panel7Width, Panel7Height);
    BuildPanels();
    BuildButtons();
    // The window opens on its first list, not on the window itself, where
    // keys and a screen reader find nothing to work on.
    setFocusProxy(ComboBox1);
    SetControlValues(DesignOptionValues());
    recorded_ = ControlValues();
    undo_.setUndoLimit(UndoSteps);
    connect(&undo_, &QUndoStack::cleanChanged, this, &TFormDova::UpdateTitle);
    connect(Panel8, &TitleStrip::Image5Click, this, &TFormDova::Button6Click);
    DrawWindowEdge(this);
    setFixedSize(Panel7Width, Panel7Height + ExtraHeight);  // the frame around it is sized from this
}

TFormDova::~TFormDova()
{
    undo_.disconnect(this);  // the stack speaks up as it is cleared
}

void TFormDova::BuildPanels()
{
    Panel1 = MakePanel(Panel7, QStringLiteral("Panel1"),
                       QRect(Margin, Margin, PanelWidth, PanelHeight));
    Panel2 = MakePanel(Panel7, QStringLiteral("Panel2"),
                       QRect(2 * Margin + PanelWidth, Margin, PanelWidth, PanelHeight));
    NameControl(Panel7, QStringLiteral("Options"));
    NameControl(Panel1, QStringLiteral("Channel settings"));
    NameControl(Panel2, QStringLiteral("Radio settings"));
    int row1 = 0, row2 = 0;
    for (int i = 0; i < OptionSlotCount; ++i) {
        const auto slot = OptionSlot(i);
        const bool first = InPanel1(slot);
        controls_[i] = MakeControl(slot, first ? Panel1 : Panel2, first ? row1 : row2);
    }
    const auto list = [this](OptionSlot s) { return static_cast<QComboBox*>(controls_[int(s)]); };
    const auto box = [this](OptionSlot s) { return static_cast<QCheckBox*>(controls_[int(s)]); };
    ComboBox1 = list(OptionSlot::CurrentChannel);
    ComboBox2 = list(OptionSlot::Ctcss);
    ComboBox3 = list(OptionSlot::Dcs);
    ComboBox4 = list(OptionSlot::Squelch);
    ComboBox5 = list(OptionSlot::Repeater);
    ComboBox6 = list(OptionSlot::PriorityScan);
    ComboBox7 = list(OptionSlot::Volume);
    ComboBox8 = list(OptionSlot::Backlight);
    ComboBox9 = list(OptionSlot::PreAlert);
    ComboBox10 = list(OptionSlot::TimeOutTimer);
    ComboBox11 = list(OptionSlot::BeepVolume);
    CheckBox1 = box(OptionSlot::HighPower);
    CheckBox4 = box(OptionSlot::CeilingMounting);
    CheckBox6 = box(OptionSlot::KeyLock);
    // activated: the user's picks only, never a value set by code.
    connect(ComboBox2, &QComboBox::activated, this, &TFormDova::ComboBox2Change);
    connect(ComboBox3, &QComboBox::activated, this, &TFormDova::ComboBox3Change);
    // Each pick of the user is one step, the exclusion's change included.
    for (int i = 0; i < OptionSlotCount; ++i) {
        const QString what = QStringLiteral("Change %1").arg(OptionControlAt(OptionSlot(i)).caption.trimmed());
        const auto record = [this, what] { RecordChange(what); };
        if (auto* list = qobject_cast<QComboBox*>(controls_[i]))
            connect(list, &QComboBox::activated, this, record);
        else
            connect(static_cast<QCheckBox*>(controls_[i]), &QCheckBox::clicked, this, record);
    }
}

// One control with its caption on the next free row of its panel. Hidden
// controls exist (they are read, written and saved) but take no row. Panel1
// holds three lists beside Panel2's seven rows: there the caption stands
// above its list and the rows share the panel's height, so that the panel
// does not stand mostly empty.
QWidget* TFormDova::MakeControl(OptionSlot slot, QFrame* panel, int& row)
{
    const OptionControl& c = OptionControlAt(slot);
    const bool stacked = panel == Panel1;
    const int pitch = (PanelHeight - 2 * RowTop) / ShownRowsOfPanel1();
    const int y = stacked ? RowTop + row * pitch + (pitch - CaptionHeight - RowHeight) / 2 : RowTop + row * RowPitch;
    QWidget* control = nullptr;
    if (c.isCheckBox()) {
        auto* box = new QCheckBox(c.caption, panel);
        box->setGeometry(LabelLeft, y, PanelWidth - 2 * LabelLeft, RowHeight);
        control = box;
    } else {
        control = MakeList(panel, c);
        control->setGeometry(stacked ? QRect(LabelLeft, y + CaptionHeight, PanelWidth - 2 * LabelLeft, RowHeight)
                                     : QRect(ListLeft, y, ListWidth, RowHeight));
        if (!c.hidden) {
            auto* label = new QLabel(c.caption, panel);
            label->setGeometry(stacked ? QRect(LabelLeft, y, PanelWidth - 2 * LabelLeft, CaptionHeight)
                                       : QRect(LabelLeft, y, ListLeft - LabelLeft - 6, RowHeight));
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            label->setBuddy(control);
        }
    }
    control->setObjectName(c.name);
    // Named by what it sets, not by the value it shows; hidden ones too,
    // since they stay in the accessibility tree.
    NameControl(control, SpokenOptionName(c.name, c.caption));
    if (c.hidden)
        control->hide();
    else
        ++row;
    return control;
}

void TFormDova::BuildButtons()
{
    Label21 = new QLabel(Panel7);
    Label21->setObjectName(QStringLiteral("Label21"));
    Label21->setGeometry(Margin + 2, ProgressTop, 70, 20);
    Label21->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ProgressBar1 = new QProgressBar(Panel7);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(Margin + 76, ProgressTop + 2, Panel7Width - 2 * Margin - 76, 16);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    NameControl(ProgressBar1, QStringLiteral("Progress"));

    const std::array<void (TFormDova::*)(), 6> clicks = {
        &TFormDova::Button1Click, &TFormDova::Button2Click, &TFormDova::Button3Click,
        &TFormDova::Button4Click, &TFormDova::Button5Click, &TFormDova::Button6Click};
    std::array<QPushButton*, 6> buttons{};
    const int gap = (Panel7Width - 2 * Margin - 6 * ButtonWidth) / 5;
    for (int i = 0; i < 6; ++i) {
        buttons[i] = new QPushButton(Panel7);
        buttons[i]->setObjectName(QStringLiteral("Button%1").arg(i + 1));
        buttons[i]->setGeometry(Margin + i * (ButtonWidth + gap), ButtonTop, ButtonWidth, ButtonHeight);
        connect(buttons[i], &QPushButton::clicked, this, clicks[i]);
    }
    Button1 = buttons[0];
    Button2 = buttons[1];
    Button3 = buttons[2];
    Button4 = buttons[3];
    Button5 = buttons[4];
    Button6 = buttons[5];
}

OptionValues TFormDova::ControlValues() const
{
    OptionValues values;
    for (int i = 0; i < OptionSlotCount; ++i) {
        if (auto* list = qobject_cast<QComboBox*>(controls_[i]))
            values.at[i] = list->currentIndex();
        else
            values.at[i] = static_cast<QCheckBox*>(controls_[i])->isChecked() ? 1 : 0;
    }
    return values;
}

void TFormDova::SetControlValues(const OptionValues& values)
{
    for (int i = 0; i < OptionSlotCount; ++i) {
        if (auto* list = qobject_cast<QComboBox*>(controls_[i]))
            list->setCurrentIndex(values.at[i]);
        else
            static_cast<QCheckBox*>(controls_[i])->setChecked(values.at[i] != 0);
    }
}

void TFormDova::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FormShow();
}

void TFormDova::FormShow()
{
    Label21->setText(languagestr::LabelProgress);
    Button1->setText(languagestr::ButtonRead);
    Button2->setText(languagestr::ButtonWrite);
    Button3->setText(languagestr::ButtonDefault);
    Button4->setText(languagestr::ButtonSave);
    Button5->setText(languagestr::ButtonOpen);
    Button6->setText(languagestr::ButtonClose);
    UpdateTitle();
    const int w = Panel7Width, h = Panel7Height + ExtraHeight;
    setFixedSize(w, h);
    RoundWindow(this, w, h);
}

// While any transfer runs the window stays: the close box is as idle as the
// buttons, and an exchange of this window still refers to it.
void TFormDova::closeEvent(QCloseEvent* event)
{
    if (TransferBusy || !MayDiscardChanges()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void TFormDova::ComboBox2Change(int index)
{
    if (index != 0)
        ComboBox3->setCurrentIndex(0);
}

void TFormDova::ComboBox3Change(int index)
{
    if (index != 0)
        ComboBox2->setCurrentIndex(0);
}

void TFormDova::SetListsEnabled(bool enabled)
{
    Panel1->setEnabled(enabled);
    Panel2->setEnabled(enabled);
}

// The lists held still lose the focus (Qt moves it on, in the main window
// to its tool bar): it comes back once they are free again.
ExchangeReport TFormDova::RunExchange(const std::function<ExchangeReport(const ExchangeSetup&)>& exchange)
{
    const KeepFocus keep;
    SetListsEnabled(false);
    const ExchangeReport report = exchange(WindowExchangeSetup(this, *link_, *ui_, ProgressBar1));
    SetListsEnabled(true);
    return report;
}

// Changes not saved are asked about first, as Open does.
void TFormDova::Button1Click()
{
    if (TransferBusy || !MayDiscardChanges())
        return;
    OptionFrame frame{};
    const ExchangeReport report = RunExchange([&](const ExchangeSetup& setup) {
        return OptionExchange(setup).Read(frame);
    });
    if (report.Done) {  // only after the whole frame arrived
        SetControlValues(OptionsFromFrame(frame));
        RecordChange(QStringLiteral("Read from radio"));
        MarkClean(QString());  // the values are the radio's now, no file's
        readAt_ = QDateTime::currentDateTime();
        ui_->Notice(languagestr::ReciveComplete, BoxKind::Plain);
    }
    ProgressBar1->setValue(0);
}

// The write and its verify end in one box.
void TFormDova::Button2Click()
{
    if (TransferBusy)
        return;
    const OptionFrame frame = FrameFromOptions(ControlValues());
    const ExchangeReport report = RunExchange([&](const ExchangeSetup& setup) {
        return OptionExchange(setup).Write(frame, VerifyAfterWrite());
    });
    TellWritten(*ui_, report);
    ProgressBar1->setValue(0);
}

void TFormDova::CompareWithRadio()
{
    if (TransferBusy)
        return;
    CompareReport compare;
    RunExchange([&](const ExchangeSetup& setup) {
        compare = CompareOptionsWithRadio(setup, ControlValues());
        return compare.Read;
    });
    ProgressBar1->setValue(0);
    if (compare.Read.Done && ShowCompareList(this, compare, false))
        Button2Click();
}

void TFormDova::Button3Click()
{
    if (TransferBusy)
        return;
    SetControlValues(DefaultOptionValues(ControlValues()));
    RecordChange(QStringLiteral("Default"));
    ShowStatusNote(this, QStringLiteral("Options set to their default values."));
}

void TFormDova::Button4Click()
{
    if (!TransferBusy)
        SaveOptionFile(true);
}

void TFormDova::SaveCurrentFile()
{
    if (!TransferBusy)
        SaveOptionFile(false);
}

// The file the user chooses, or the current file at once. True when the
// file was written.
bool TFormDova::SaveOptionFile(bool choose)
{
    const QString path = choose || filePath_.isEmpty() ? ChooseSaveFile(this, filePath_) : filePath_;
    return !path.isEmpty() && SaveControlsTo(path);
}

void TFormDova::Button5Click()
{
    if (TransferBusy || !MayDiscardChanges())
        return;
    const QString path = ChooseOpenFile(this);
    if (!path.isEmpty())
        OpenControlsFrom(path);
}

void TFormDova::Button6Click()
{
    if (TransferBusy)
        return;
    ChildFrame(this)->close();
}

bool TFormDova::SaveControlsTo(const QString& path)
{
    QString error;
    const bool ok = WriteOptionFile(path, ControlValues(), error);
    if (ok) {
        MarkClean(path);
        NoteRecentFile(path);
    } else
        ui_->Notice(error, BoxKind::Error);
    return ok;
}

bool TFormDova::OpenFileAt(const QString& path, OpenAs as)
{
    if (TransferBusy || (as == OpenAs::UserFile && !MayDiscardChanges()))
        return false;
    return OpenControlsFrom(path, as);
}

bool TFormDova::OpenControlsFrom(const QString& path, OpenAs as)
{
    OptionValues values;
    QString error;
    const bool ok = ReadOptionFile(path, values, error);
    if (ok) {
        SetControlValues(values);
        const QString name = QFileInfo(path).fileName();
        if (as == OpenAs::UserFile) {
            RecordChange(QStringLiteral("Open %1").arg(name));
            MarkClean(path);
            NoteRecentFile(path);
        } else {
            RecordChange(QStringLiteral("Open %1 from the radio history").arg(name));
        }
    } else
        ui_->Notice(error, BoxKind::Error);
    return ok;
}

void TFormDova::Print()
{
    const QPixmap surface = grab();  // what the window shows now
    RunPrintJob(this, [&](QPrinter& printer) {
        return PrintFormImage(surface, surface.width(), surface.height(),
                              {languagestr::ModelName + QStringLiteral(" options, ") + PrintSource(filePath_, readAt_)},
                              printer);
    });
}

// ---- undo steps and unsaved changes ------------------------------------------

void TFormDova::RecordChange(const QString& what)
{
    const OptionValues now = ControlValues();
    int changed = 0;
    while (changed < OptionSlotCount - 1 && now.at[changed] == recorded_.at[changed])
        ++changed;
    RecordStep(undo_, recorded_, now, what,
               [this, changed](const OptionValues& values) { ShowValues(values, changed); });
}

// An undo or redo: the values as they were, the focus on the first one changed.
void TFormDova::ShowValues(const OptionValues& values, int changedSlot)
{
    SetControlValues(values);
    recorded_ = values;
    if (controls_[changedSlot]->isVisible())
        controls_[changedSlot]->setFocus();
}

// Save writes the current file at once, as the File menu's Save does.
bool TFormDova::MayDiscardChanges()
{
    return MayLoseChanges(!undo_.isClean(), AskUnsaved, this, SaveChangesQuestion(QStringLiteral("options"), filePath_),
                          [this] { return SaveOptionFile(false); });
}

void TFormDova::MarkClean(const QString& path)
{
    filePath_ = path;
    readAt_ = {};
    undo_.setClean();
    UpdateTitle();
}

void TFormDova::UpdateTitle()
{
    Panel8->ShowTitle(
        TitleWithFile(languagestr::ModelName + languagestr::ParamTitleSuffix, filePath_, !undo_.isClean()));
}
