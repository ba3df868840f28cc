#include "celframe.h"

#include "ChannelFileDialogs.h"
#include "ChannelGridModel.h"
#include "ChannelGridView.h"
#include "ChannelRowMenus.h"
#include "ChannelPrint.h"
#include "ChannelWindowLayout.h"
#include "base/Connection.h"
#include "base/ProgramState.h"
#include "base/languagestr.h"
#include "channels/ChannelCodec.h"
#include "channels/ChannelColumns.h"
#include "channels/ChannelDefaults.h"
#include "exchange/ChannelExchange.h"
#include "ui/common/Accessibility.h"
#include "ui/common/PrintJob.h"
#include "ui/common/UserSettings.h"
#include "ui/common/WindowChrome.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSizeGrip>
#include <array>

using namespace languagestr;

namespace {

constexpr int UndoSteps = 100;
const TForm2::Cell OutsideGrid{888, 88};    // no list is placed while defaults are written

} // namespace

TForm2::TForm2(QWidget* owner)
    : QWidget(owner), model_(new ChannelGridModel(table_, this)), boxes_(this), ui_(&boxes_)
{
    setAttribute(Qt::WA_DeleteOnClose);
    ChooseSaveFile = ChooseChannelFileToSave;
    ChooseOpenFile = ChooseChannelFileToOpen;
    ChooseExchange = ChooseExchangeFile;
    undo_.setUndoLimit(UndoSteps);
    connect(&undo_, &QUndoStack::cleanChanged, this, &TForm2::UpdateTitle);

    Panel2 = new TitleStrip(this);
    connect(Panel2, &TitleStrip::Image5Click, this, &TForm2::Button6Click);
    BuildGrid();
    BuildButtons();
    BuildMenus();
    SizeWindow();
    setFocusProxy(StringGrid1);  // the row keys work as soon as the window is shown
}

TForm2::~TForm2()
{
    // The grid and its model read the table: both end while the window is
    // still whole. So does the title's link to the undo stack, which speaks
    // up as it is cleared.
    undo_.disconnect(this);
    delete Panel1;
    delete model_;
}

void TForm2::BuildGrid()
{
    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(ChannelPanelBevel - 1);
    StringGrid1 = new ChannelGridView(Panel1);
    StringGrid1->setModel(model_);
    NameControl(StringGrid1, QStringLiteral("Channels"));
    NameControl(Panel1, QStringLiteral("Channel grid"));
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // At the designed width every column shows; a narrower window scrolls.
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    editing_ = std::make_unique<ChannelGridEditing>(
        ChannelGridEditing::Window{table_, ActiveCell, FillingDefaults, [this]() -> LinkUi& { return *ui_; },
                                   [this](const QString& what, Cell cell) { RecordChange(what, cell); },
                                   [this](int step) { focusNextPrevChild(step > 0); }},
        model_, StringGrid1);
}

void TForm2::BuildButtons()
{
    Label1 = new QLabel(this);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    NameControl(ProgressBar1, QStringLiteral("Progress"));
    QPushButton** buttons[] = {&Button1, &Button2, &Button3, &Button4, &Button5, &Button6};
    void (TForm2::*clicks[])() = {&TForm2::Button1Click, &TForm2::Button2Click, &TForm2::Button3Click,
                                  &TForm2::Button4Click, &TForm2::Button5Click, &TForm2::Button6Click};
    for (int i = 0; i < 6; ++i) {
        *buttons[i] = new QPushButton(this);
        (*buttons[i])->setAutoDefault(false);
        // Like the main window's tool bar, a click leaves the focus where it
        // is: Write then still finds the list open and commits it. The
        // keyboard reaches them with Tab from the window's other controls.
        (*buttons[i])->setFocusPolicy(Qt::TabFocus);
        connect(*buttons[i], &QPushButton::clicked, this, clicks[i]);
    }
    Grip = new QSizeGrip(this);
    NameControl(Grip, QStringLiteral("Size grip"));
}

void TForm2::BuildMenus()
{
    const ChannelRowMenu rows = BuildRowMenu(
        this, StringGrid1, [this](RowCommand command) { EditRows(command); },
        [this](int step) { return CanMoveRows(ChosenRows(), step); });
    PopupMenu1 = rows.Menu;
    C1 = rows.Copy;
    N1 = rows.Paste;
    D1 = rows.Clear;
    MoveUpItem = rows.MoveUp;
    MoveDownItem = rows.MoveDown;
    SelectAllItem = rows.SelectAll;
    ShowColumnsItem = BuildHeaderMenu(this, StringGrid1);
    connect(ShowColumnsItem, &QAction::triggered, this, &TForm2::ShowAllColumns);
}

// The grid as wide as its columns and scroll bar, the window around it: the
// designed size, which the window starts with. It may be made lower and
// narrower (the grid scrolls) or higher (the grid shows more rows).
void TForm2::SizeWindow()
{
    ShowColumnsItem->setChecked(AllColumnsShown());
    const int width = SizeChannelColumns(StringGrid1, AllColumnsShown());
    setMinimumSize(ChannelWindowMinimumSize(StringGrid1));
    setMaximumWidth(width);
    designedSize_ = QSize(width, ChannelWindowDesignedHeight());
    resize(designedSize_);
    LayOutControls();  // a hidden window gets its resize event only when shown
}

void TForm2::ShowAllColumns(bool on)
{
    SetAllColumnsShown(on);
    ShowColumnsItem->setChecked(on);
    StringGrid1->EndEditing();
    const bool full = width() >= maximumWidth();
    const int width = SizeChannelColumns(StringGrid1, on);
    designedSize_.setWidth(width);
    setMaximumWidth(width);
    QWidget* frame = ChildFrame(this);
    if (full || width < this->width())
        frame->resize(frame->width() + width - this->width(), frame->height());
    if (frame != this)
        FitFrameInto(frame, frame->parentWidget()->size());
}

// Tab goes round the window's own controls, the grid (past its ends) and
// the six buttons, and never into the main window's other windows.
bool TForm2::focusNextPrevChild(bool next)
{
    const std::array<QWidget*, 7> order{StringGrid1, Button1, Button2, Button3, Button4, Button5, Button6};
    int at = 0;
    for (int i = 0; i < int(order.size()); ++i)
        if (order[i] == focusWidget() || order[i]->isAncestorOf(focusWidget()))
            at = i;
    const int count = int(order.size());
    order[(at + (next ? 1 : -1) + count) % count]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

QSize TForm2::sizeHint() const
{
    return designedSize_;
}

void TForm2::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayOutControls();
    // A frame that holds this window clears its outline when it is resized,
    // after this window was: the outline is put back once both are done.
    if (shown_)
        QMetaObject::invokeMethod(this, [this] { RoundWindow(this, width(), height()); }, Qt::QueuedConnection);
}

void TForm2::LayOutControls()
{
    LayOutChannelWindow({Panel1, StringGrid1, Label1, ProgressBar1, {Button1, Button2, Button3, Button4, Button5, Button6}, Grip},
                        size());
}

void TForm2::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Only the first showing fills the window; showing it again (restored
    // from minimized) must not overwrite the user's edits with defaults.
    if (shown_ || event->spontaneous())
        return;
    shown_ = true;
    FormShow();
}

void TForm2::FormShow()
{
    FillingDefaults = true;
    RowClipboard = {{ClipboardStartRow()}, {}};
    designedTitle_ = ModelName + BandRangeText() + ChannelTitleSuffix;
    UpdateTitle();
    Label1->setText(LabelProgress);
    Button1->setText(ButtonRead);
    Button2->setText(ButtonWrite);
    Button3->setText(ButtonNew);
    Button4->setText(ButtonSave);
    Button5->setText(ButtonOpen);
    Button6->setText(ButtonClose);
    RoundWindow(this, width(), height());

    ActiveCell = OutsideGrid;
    const QStringList lines = DefaultChannelLines();
    for (int k = 0; 2 * k < lines.size() && k + 1 < model_->RowCount(); ++k)
        SetDefaluParams(lines.at(2 * k), lines.value(2 * k + 1), k + 1);
    recorded_ = table_;  // where a fresh window starts: nothing to undo, nothing to lose

    StringGrid1->MoveTo(ColRx, 1);
    ActiveCell = {ColRx, 1};
    FillingDefaults = false;
    StringGrid1->setFocus();
}

void TForm2::SetDefaluParams(const QString& rx, const QString& tx, int row)
{
    SetDefaultRow(table_, rx, tx, row);
    model_->TableChanged();
}

void TForm2::closeEvent(QCloseEvent* event)
{
    // A transfer pumps this window's events and then returns into it: the
    // window stays until the transfer has ended.
    if (TransferBusy || !MayDiscardChanges()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

// ---- buttons --------------------------------------------------------------------

ExchangeSetup TForm2::Exchange()
{
    return WindowExchangeSetup(this, *link_, *ui_, ProgressBar1);
}

// Changes not saved are asked about first, as Open does: the radio's table
// replaces them.
void TForm2::Button1Click()
{
    if (TransferBusy || !MayDiscardChanges())
        return;
    MemoryImageBytes image;
    if (!ChannelExchange(Exchange()).Read(image).Done)
        return;
    FlushTyping();
    LoadChannelsFromImage(image, table_);
    editing_->TableReplaced();
    RecordChange(QStringLiteral("Read from radio"), ActiveCell);
    MarkClean(QString());  // the table is the radio's now, no file's
    readAt_ = QDateTime::currentDateTime();
    editing_->CloseListOnEmptyRow();
    ui_->Notice(ReciveComplete, BoxKind::Plain);
    ProgressBar1->setValue(0);
}

// Nothing is sent unless every channel row can be written as it stands. The
// write and its verify end in one box.
void TForm2::Button2Click()
{
    if (TransferBusy)
        return;
    StringGrid1->EndEditing();
    const ExchangeReport report = ChannelExchange(Exchange()).Write(table_, VerifyAfterWrite());
    if (report.Check)
        return ShowBadCell(report.Check->Text(), report.Check->Column, report.Check->Row);
    TellWritten(*ui_, report);
    ProgressBar1->setValue(0);
}

void TForm2::ShowBadCell(const QString& message, int column, int row)
{
    ui_->Notice(message, BoxKind::Error);
    editing_->MoveToCell(column, row);
}

void TForm2::Button3Click()
{
    if (TransferBusy || !MayDiscardChanges())
        return;
    StringGrid1->EndEditing();
    for (int row = 1; row < model_->RowCount(); ++row)
        for (int column = ColRx; column < ChannelTable::ColumnCount; ++column)
            table_.SetText(row, column, QString());
    editing_->TableReplaced();
    RecordChange(QStringLiteral("New"), ActiveCell);
    MarkClean(QString());  // an empty table has nothing to lose
    ShowStatusNote(this, QStringLiteral("New table: channels 1 to 99 are empty."));
}

void TForm2::Button6Click()
{
    if (TransferBusy)
        return;
    ChildFrame(this)->close();
}

void TForm2::Print()
{
    if (TransferBusy)
        return;
    RunPrintJob(this, [this](QPrinter& printer) {
        return PrintChannelTable(table_, model_->RowCount(), QStringLiteral("test"),
                                 {ModelName + QStringLiteral(" channels, ") + PrintSource(filePath_, readAt_)}, printer);
    });
}
