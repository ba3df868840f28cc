#include "celframe.h"

#include "ChannelFileDialogs.h"
#include "ChannelGridModel.h"
#include "ChannelGridView.h"
#include "ChannelListEditor.h"
#include "ChannelPrint.h"
#include "ChannelWindowLayout.h"
#include "base/Connection.h"
#include "base/ProgramState.h"
#include "base/languagestr.h"
#include "channels/CellRules.h"
#include "channels/ChannelCodec.h"
#include "channels/ChannelColumns.h"
#include "channels/ChannelDefaults.h"
#include "channels/ChannelRows.h"
#include "channels/FrequencySnap.h"
#include "exchange/ChannelExchange.h"
#include "ui/common/Accessibility.h"
#include "ui/common/PrintJob.h"
#include "ui/common/UserSettings.h"
#include "ui/common/WindowChrome.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSizeGrip>

using namespace languagestr;

namespace {

constexpr int UndoSteps = 100;
const TForm2::Cell OutsideGrid{888, 88};    // no list is placed while defaults are written

} // namespace

// "RX Frequency(MHZ), row 90": where a change was, in its undo step.
QString TForm2::CellName(const Cell& cell)
{
    return QStringLiteral("%1, row %2").arg(ColumnTitles[cell.column].trimmed()).arg(cell.row);
}

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
    BuildPopupMenu();
    BuildHeaderMenu();
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
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // At the designed width every column shows; a narrower window scrolls.
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    StringGrid1->SelectCell = [this](int column, int row) { return StringGrid1SelectCell(column, row); };
    StringGrid1->KeyPress = [this](QChar& key) { StringGrid1KeyPress(key); };
    StringGrid1->EnterUp = [this] { StringGrid1KeyUp(); };
    StringGrid1->CanEdit = [this](int column, int row) { return CanEditCell(column, row); };
    StringGrid1->EditCancelled = [this](int column, int row) { EditCancelled(column, row); };
    StringGrid1->ClickedCurrent = [this](int column, int row) { ShowListAgain(column, row); };
    StringGrid1->TabPressed = [this](int step) { MoveByTab(step); };
    model_->Edited = [this](int row, int column, const QString& text) { CellEdited(row, column, text); };
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
}

void TForm2::BuildPopupMenu()
{
    PopupMenu1 = new QMenu(this);
    // Each item also as its key while the grid (or its editor, which keeps
    // its own editing keys) has the focus.
    const auto add = [this](const QString& text, RowCommand command) {
        QAction* action = PopupMenu1->addAction(text, this, [this, command] { EditRows(command); });
        action->setShortcut(RowCommandKey(command));
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        StringGrid1->addAction(action);
        return action;
    };
    C1 = add(QStringLiteral("Copy(&C)"), RowCommand::Copy);
    N1 = add(QStringLiteral("Paste(&V)"), RowCommand::Paste);
    D1 = add(QStringLiteral("Clear(&D)"), RowCommand::Clear);
    PopupMenu1->addSeparator();
    MoveUpItem = add(QStringLiteral("Move up"), RowCommand::MoveUp);
    MoveDownItem = add(QStringLiteral("Move down"), RowCommand::MoveDown);
    PopupMenu1->addSeparator();
    SelectAllItem = add(QStringLiteral("Select all"), RowCommand::SelectAll);
    connect(PopupMenu1, &QMenu::aboutToShow, this, [this] {
        MoveUpItem->setEnabled(CanMoveRows(ChosenRows(), -1));
        MoveDownItem->setEnabled(CanMoveRows(ChosenRows(), 1));
    });
    StringGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(StringGrid1, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        PopupMenu1->popup(StringGrid1->viewport()->mapToGlobal(pos));
    });
    // Shift+F10, as the Menu key does: the popup at the current cell, with
    // its first item current so that a screen reader reads it.
    auto* keyboardPopup = new QAction(StringGrid1);
    keyboardPopup->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    keyboardPopup->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    StringGrid1->addAction(keyboardPopup);
    connect(keyboardPopup, &QAction::triggered, this, [this] {
        const QRect cell = StringGrid1->visualRect(StringGrid1->currentIndex());
        PopupMenu1->popup(StringGrid1->viewport()->mapToGlobal(cell.center()), C1);
        PopupMenu1->setActiveAction(C1);
    });
}

void TForm2::BuildHeaderMenu()
{
    HeaderMenu = new QMenu(this);
    ShowColumnsItem = HeaderMenu->addAction(QStringLiteral("Show all columns"));
    ShowColumnsItem->setCheckable(true);
    connect(ShowColumnsItem, &QAction::triggered, this, &TForm2::ShowAllColumns);
    QHeaderView* header = StringGrid1->horizontalHeader();
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, &QWidget::customContextMenuRequested, this,
            [this, header](const QPoint& pos) { HeaderMenu->popup(header->mapToGlobal(pos)); });
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
    RowClipboard = {ClipboardStartRow()};
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

void TForm2::SetText(int row, int column, const QString& text)
{
    model_->SetText(row, column, text);
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

// ---- selecting a cell -------------------------------------------------------

// The rules for leaving a cell run only on a cell the user edited during
// this visit; a refused cell leaves the current cell where it was.
bool TForm2::StringGrid1SelectCell(int ACol, int ARow)
{
    if (ACol == ColRepeater && !IsRepeaterRow(ARow))
        return false;
    if (TransferBusy)
        return true;
    LeaveCell(ActiveCell);
    if (!MaySelectCell(ACol, ARow))
        return false;
    ActiveCell = {ACol, ARow};
    OpenList();
    return true;
}

// What the user typed, snapped and filled in on leaving the cell is one
// undo step.
void TForm2::LeaveCell(Cell cell)
{
    if (!(editedCell_ == cell))
        return;
    editedCell_ = OutsideGrid;
    if (!LeaveEditedCell(table_, {cell.column, cell.row}, textBeforeEdit_, CurrentBands()))
        ui_->Notice(OverflowChanged, BoxKind::Plain);
    model_->TableChanged();
    RecordCellEdit(cell);
}

// Read, New and Open replace the texts: an edit before them is no longer
// what a cell would go back to.
void TForm2::TableReplaced()
{
    editedCell_ = OutsideGrid;
    model_->TableChanged();
}

void TForm2::NoteEditStart(int column, int row)
{
    if (editedCell_ == Cell{column, row})
        return;
    editedCell_ = {column, row};
    textBeforeEdit_ = Text(row, column);
}

// A typed text goes into its cell as it is typed; a list's value only when
// it is one of the list's items, as one undo step.
void TForm2::CellEdited(int row, int column, const QString& text)
{
    if (!IsChoiceColumn(column)) {
        NoteEditStart(column, row);
        SetText(row, column, text);
        return;
    }
    const std::optional<QString> item = ChoiceItem(column, text);
    if (!item) {
        ui_->Notice(OverflowChanged, BoxKind::Plain);
        if (ChannelListEditor* list = StringGrid1->OpenList())
            list->ShowCellText(Text(row, column));
        return;
    }
    SetText(row, column, *item);
    RecordChange(QStringLiteral("Choose %1 in %2").arg(*item, CellName({column, row})), {column, row});
}

// Escape puts back the text the cell had before this visit's typing.
void TForm2::EditCancelled(int column, int row)
{
    if (!(editedCell_ == Cell{column, row}))
        return;
    SetText(row, column, textBeforeEdit_);
    editedCell_ = OutsideGrid;
}

// While the defaults are written any cell but the channel number may be
// chosen.
bool TForm2::MaySelectCell(int column, int row) const
{
    return FillingDefaults ? column != ColChannel : MayChooseCell(table_, {column, row});
}

// The in-place editor serves the cell the editor accepted last.
bool TForm2::CanEditCell(int column, int row) const
{
    if (!(ActiveCell == Cell{column, row}))
        return false;
    return IsChoiceColumn(column) ? !TransferBusy && ShowsList(table_, {column, row})
                                  : TakesTypedKeys(table_, {column, row});
}

// ---- typing -----------------------------------------------------------------

void TForm2::StringGrid1KeyPress(QChar& key)
{
    const auto [c, r] = ActiveCell;
    if (TransferBusy || !TakesTypedKeys(table_, {c, r})) {
        key = QChar(0);
        return;
    }
    NoteEditStart(c, r);
    const QString before = Text(r, c);
    TypeKey(table_, {c, r}, key);
    if (Text(r, c) != before)
        model_->TableChanged();
}

void TForm2::StringGrid1KeyUp()
{
    const GridCell next = CellAfterEnter({StringGrid1->CurrentColumn(), StringGrid1->CurrentRow()},
                                         model_->RowCount() - 1);
    StringGrid1->MoveTo(next.Column, next.Row);
}

// Tab (step 1) and Shift+Tab (-1), from a typed cell or the list: the
// cell's value is taken as leaving it would take it.
void TForm2::MoveByTab(int step)
{
    StringGrid1->EndEditing();
    const std::optional<GridCell> next =
        CellAfterTab(table_, {StringGrid1->CurrentColumn(), StringGrid1->CurrentRow()}, step, model_->RowCount() - 1,
                     [this](int column) { return !StringGrid1->isColumnHidden(column); });
    if (!next)
        return;
    StringGrid1->MoveTo(next->Column, next->Row);
    if (!StringGrid1->OpenList())
        StringGrid1->setFocus();
}

// ---- the list of a choice cell --------------------------------------------------

QComboBox* TForm2::ComboBox1() const
{
    return StringGrid1->OpenList();
}

// A choice cell that is current shows its list at once, unless its row has
// no RX frequency.
void TForm2::OpenList()
{
    const auto [column, row] = ActiveCell;
    if (IsChoiceColumn(column) && StringGrid1->CurrentColumn() == column && StringGrid1->CurrentRow() == row)
        StringGrid1->OpenEditor();
}

// Save, Open or a message may have closed the list while its cell stayed
// current: a click on that cell brings it back.
void TForm2::ShowListAgain(int column, int row)
{
    if (ActiveCell == Cell{column, row})
        OpenList();
}

void TForm2::CloseListOnEmptyRow()
{
    if (StringGrid1->OpenList() && Text(ActiveCell.row, ColRx).isEmpty())
        StringGrid1->EndEditing();
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
    TableReplaced();
    RecordChange(QStringLiteral("Read from radio"), ActiveCell);
    MarkClean(QString());  // the table is the radio's now, no file's
    readAt_ = QDateTime::currentDateTime();
    CloseListOnEmptyRow();
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
    MoveToCell(column, row);
}

// The cell becomes the current cell (when the grid shows its row), with the
// list over it when it is a choice cell.
void TForm2::MoveToCell(int column, int row)
{
    if (!model_->IndexOf(row, column).isValid())
        return;
    StringGrid1->EndEditing();
    StringGrid1->ForceCurrent(column, row);
    StringGrid1->scrollTo(model_->IndexOf(row, column));
    ActiveCell = {column, row};
    StringGrid1->setFocus();
    OpenList();
}

void TForm2::Button3Click()
{
    if (TransferBusy || !MayDiscardChanges())
        return;
    StringGrid1->EndEditing();
    for (int row = 1; row < model_->RowCount(); ++row)
        for (int column = ColRx; column < ChannelTable::ColumnCount; ++column)
            table_.SetText(row, column, QString());
    TableReplaced();
    RecordChange(QStringLiteral("New"), ActiveCell);
    MarkClean(QString());  // an empty table has nothing to lose
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
