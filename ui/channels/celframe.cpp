#include "celframe.h"

#include "ChannelFileDialogs.h"
#include "ChannelGridModel.h"
#include "ChannelGridView.h"
#include "ChannelPrint.h"
#include "base/Connection.h"
#include "base/ProgramState.h"
#include "base/languagestr.h"
#include "channels/ChannelCodec.h"
#include "channels/ChannelDefaults.h"
#include "channels/ChannelFile.h"
#include "channels/ChannelFlagTable.h"
#include "channels/ChannelRows.h"
#include "channels/FrequencySnap.h"
#include "channels/GridRules.h"
#include "channels/KeyFilters.h"
#include "channels/RowCheck.h"
#include "exchange/ChannelExchange.h"
#include "ui/common/PrintJob.h"
#include "ui/common/SnapshotStep.h"
#include "ui/common/UserSettings.h"
#include "ui/common/WindowChrome.h"

#include <QApplication>
#include <algorithm>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSizeGrip>

using namespace languagestr;

namespace {

constexpr int RowHeight = 21;
constexpr int VisibleRows = 24;     // channel rows the grid shows at once
constexpr int PanelLeft = 12;
constexpr int PanelGap = 2;         // between the title strip and the grid panel
constexpr int PanelBevel = 3;
constexpr int GridTop = TitleStrip::StripHeight + PanelGap + PanelBevel;
constexpr int BottomStrip = 88 - GridTop;  // below the grid: its bevel and the button row
constexpr int MinimumRows = 4;              // the fewest channel rows a lowered window shows
constexpr int ButtonsLeft = 203;
constexpr int ButtonPitch = 80;
constexpr int ButtonWidth = 72;
constexpr int ButtonsRight = ButtonsLeft + 5 * ButtonPitch + ButtonWidth;
constexpr int GripSize = 16;
constexpr int GridLine = 1;         // a cell shows its column's width less the grid line
constexpr int FrequencyKeyLength = 10;
constexpr int NameKeyLength = 5;
constexpr int UndoSteps = 100;
constexpr int HiddenColumns[] = {ColOptSignal, ColUnmute, ColName};
const TForm2::Cell OutsideGrid{888, 88};    // no list is placed while defaults are written

bool IsHiddenColumn(int column)
{
    return std::find(std::begin(HiddenColumns), std::end(HiddenColumns), column) != std::end(HiddenColumns);
}

// "RX Frequency(MHZ), row 90": where a change was, in its undo step.
QString CellName(const TForm2::Cell& cell)
{
    return QStringLiteral("%1, row %2").arg(ColumnTitles[cell.column].trimmed()).arg(cell.row);
}

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
    BuildPopupMenu();
    BuildHeaderMenu();
    SizeWindow();
    setFocusProxy(StringGrid1);  // the row keys work as soon as the window is shown
    connect(qApp, &QApplication::focusChanged, this, &TForm2::FocusChanged);
}

TForm2::~TForm2()
{
    // The grid and its model read the table, and focus changes reach this
    // window: both end while the window is still whole. So does the title's
    // link to the undo stack, which speaks up as it is cleared.
    disconnect(qApp, nullptr, this, nullptr);
    undo_.disconnect(this);
    delete Panel1;
    delete model_;
}

void TForm2::BuildGrid()
{
    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(PanelBevel - 1);
    StringGrid1 = new ChannelGridView(Panel1);
    StringGrid1->setModel(model_);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // At the designed width every column shows; a narrower window scrolls.
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    StringGrid1->SelectCell = [this](int column, int row) { return StringGrid1SelectCell(column, row); };
    StringGrid1->KeyPress = [this](QChar& key) { StringGrid1KeyPress(key); };
    StringGrid1->EnterUp = [this] { StringGrid1KeyUp(); };
    StringGrid1->CanEdit = [this](int column, int row) { return CanEditCell(column, row); };
    StringGrid1->EditStarted = [this](int column, int row) { NoteEditStart(column, row); };
    StringGrid1->ClickedCurrent = [this](int column, int row) { ShowComboAgain(column, row); };
    StringGrid1->TabPressed = [this](int step) { MoveByTab(step); };
    connect(StringGrid1, &ChannelGridView::CellsMoved, this, &TForm2::KeepComboOverCell);

    ComboBox1 = new QComboBox(StringGrid1->viewport());
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToContents);  // its hint sizes the choice columns
    ScrollLongList(ComboBox1);
    // The list is one of the grid's cells: the right button opens the rows'
    // popup menu, the row keys act on the rows (eventFilter), and the wheel
    // scrolls the grid while the list is closed.
    ComboBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ComboBox1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu1->popup(ComboBox1->mapToGlobal(pos)); });
    ComboBox1->installEventFilter(this);
    ComboBox1->hide();
}

void TForm2::BuildButtons()
{
    Label1 = new QLabel(this);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    QPushButton** buttons[] = {&Button1, &Button2, &Button3, &Button4, &Button5, &Button6};
    void (TForm2::*clicks[])() = {&TForm2::Button1Click, &TForm2::Button2Click, &TForm2::Button3Click,
                                  &TForm2::Button4Click, &TForm2::Button5Click, &TForm2::Button6Click};
    for (int i = 0; i < 6; ++i) {
        *buttons[i] = new QPushButton(this);
        (*buttons[i])->setAutoDefault(false);
        // Like the main window's tool bar, the buttons leave the focus where
        // it is: Write then still finds the list open and commits it.
        (*buttons[i])->setFocusPolicy(Qt::NoFocus);
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

// Columns as wide as their titles + 5, a choice column at least as wide as
// its list needs to show its longest item; the hidden ones take no room.
// Returns the window's width around them.
int TForm2::SizeColumns()
{
    const QFontMetrics metrics(StringGrid1->font());
    const bool all = ShowColumnsItem->isChecked();
    int shownWidth = 0;
    for (int column = 0; column < ChannelTable::ColumnCount; ++column) {
        const bool hidden = !all && IsHiddenColumn(column);
        StringGrid1->setColumnHidden(column, hidden);
        if (hidden)
            continue;
        int width = metrics.horizontalAdvance(Text(0, column)) + 5;
        if (IsChoiceColumn(column)) {
            FillComboItems(column);
            width = qMax(width, ComboBox1->sizeHint().width() + GridLine);
        }
        StringGrid1->setColumnWidth(column, width);
        shownWidth += width;
    }
    const int scrollBar = StringGrid1->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return shownWidth + scrollBar + 2 * PanelBevel + 2 * PanelLeft;
}

// The grid as wide as its columns and scroll bar, the window around it: the
// designed size, which the window starts with. It may be made lower and
// narrower (the grid scrolls) or higher (the grid shows more rows).
void TForm2::SizeWindow()
{
    ShowColumnsItem->setChecked(AllColumnsShown());
    const int width = SizeColumns();
    const int scrollBar = StringGrid1->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    setMinimumSize(ButtonsRight + PanelLeft + GripSize,
                   GridTop + RowHeight * (MinimumRows + 1) + scrollBar + BottomStrip);
    setMaximumWidth(width);
    designedSize_ = QSize(width, GridTop + RowHeight * (VisibleRows + 1) + BottomStrip);
    resize(designedSize_);
    LayOutControls();  // a hidden window gets its resize event only when shown
}

void TForm2::ShowAllColumns(bool on)
{
    SetAllColumnsShown(on);
    ShowColumnsItem->setChecked(on);
    StringGrid1->EndEditing();
    HideCombo();
    const bool full = width() >= maximumWidth();
    const int width = SizeColumns();
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

// The grid panel takes what the title strip and the button row leave.
void TForm2::LayOutControls()
{
    const int w = width(), h = height();
    const QRect panel(PanelLeft, GridTop - PanelBevel, w - 2 * PanelLeft, h - GridTop - BottomStrip + 2 * PanelBevel);
    Panel1->setGeometry(panel);
    StringGrid1->setGeometry(PanelBevel, PanelBevel, panel.width() - 2 * PanelBevel, panel.height() - 2 * PanelBevel);
    const int middle = panel.bottom() + 1 + (h - panel.bottom() - 1) / 2;
    Label1->setGeometry(21, middle - 10, 52, 20);
    ProgressBar1->setGeometry(76, middle - 10, 120, 20);
    QPushButton* const buttons[] = {Button1, Button2, Button3, Button4, Button5, Button6};
    for (int i = 0; i < 6; ++i)
        buttons[i]->setGeometry(ButtonsLeft + ButtonPitch * i, middle - 13, ButtonWidth, 26);
    Grip->setGeometry(w - GripSize, h - GripSize, GripSize, GripSize);
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
    RowClipboard = {{QString(), QString(), WordOff, WordOff, WordOff, Word25K, WordOff,
                     WordOff, WordQt.toString(), WordOff, WordOn, QString()}};
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

bool TForm2::StringGrid1SelectCell(int ACol, int ARow)
{
    if (ACol == ColRepeater && !IsRepeaterRow(ARow)) {
        HideCombo();
        return false;
    }
    if (TransferBusy)
        return true;
    HideCombo();
    const auto [c, r] = ActiveCell;
    bool rowEmptied = false;
    if (c == ColRx && Text(r, ColRx).isEmpty()) {
        for (int column = ColTx; column <= ColName; ++column)
            SetText(r, column, QString());
        rowEmptied = true;
    }
    if (!rowEmptied && c == ColTx && Text(r, ColTx).isEmpty() && !Text(r, ColRx).isEmpty())
        SetText(r, ColEncodeTone, WordOff);
    const bool allowed = !NeedsRxFrequency(ACol, ARow);
    if (ACol == ColChannel) {
        RecordLeftCell({c, r});
        return false;
    }
    if ((c == ColRx || c == ColTx) && !Text(r, c).isEmpty()) {
        LeaveFrequencyCell(c, r);
        if (c == ColRx && !Text(r, ColRx).isEmpty())
            FillStartedRow(r);
    }
    RecordLeftCell({c, r});
    ActiveCell = {ACol, ARow};
    editedCell_ = OutsideGrid;
    ComboPending = true;
    PlaceComboIfPending();
    return allowed;
}

// An out-of-range entry keeps the message but not a value outside the band
// (which Write would refuse): the cell gets back its text from before the
// edit, so an empty row stays empty.
void TForm2::LeaveFrequencyCell(int column, int row)
{
    const SnappedFrequency snapped = CheckAndSnapFrequency(Text(row, column), CurrentBands());
    if (!snapped.overflow) {
        SetText(row, column, snapped.text);
        return;
    }
    ui_->Notice(OverflowChanged, BoxKind::Plain);
    if (editedCell_ == Cell{column, row})
        SetText(row, column, textBeforeEdit_);
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

// A row whose RX cell has just been filled gets the values of a new channel
// in its empty cells (TX = RX, wide, high power, scanned).
void TForm2::FillStartedRow(int row)
{
    const ChannelTexts started = StartedRowTexts(Text(row, ColRx));
    for (int column = ColTx; column < ColName; ++column)
        if (Text(row, column).isEmpty())
            SetText(row, column, TextOf(started, column));
}

// Columns 4..11 of a row without an RX frequency are not chosen, except
// while the defaults are written.
bool TForm2::NeedsRxFrequency(int column, int row) const
{
    return column >= ColEncodeTone && column <= ColScanAdd && Text(row, ColRx).isEmpty() && !FillingDefaults;
}

// Whether a click on the cell makes it the current cell.
bool TForm2::MaySelectCell(int column, int row) const
{
    return column != ColChannel && (column != ColRepeater || IsRepeaterRow(row)) && !NeedsRxFrequency(column, row);
}

// The in-place editor serves the frequency and name columns of the cell the
// editor accepted last.
bool TForm2::CanEditCell(int column, int row) const
{
    return ActiveCell == Cell{column, row}
        && (column == ColRx || column == ColTx || column == ColName);
}

// ---- typing -----------------------------------------------------------------

void TForm2::StringGrid1KeyPress(QChar& key)
{
    const auto [c, r] = ActiveCell;
    const bool typed = c == ColRx || c == ColTx || c == ColName;
    if (TransferBusy || !typed || ((c == ColTx || c == ColName) && Text(r, ColRx).isEmpty())) {
        key = QChar(0);
        return;
    }
    NoteEditStart(c, r);
    const QString kept = c == ColName ? FilterNameKey(Text(r, c), key, NameKeyLength)
                                      : FilterDecimalKey(Text(r, c), key, FrequencyKeyLength);
    if (kept.isEmpty())
        SetText(r, c, QString());
}

void TForm2::StringGrid1KeyUp()
{
    const int column = StringGrid1->CurrentColumn();
    const int row = StringGrid1->CurrentRow();
    if (column == ColRx)
        StringGrid1->MoveTo(ColTx, row);
    else if (column == ColTx)
        StringGrid1->MoveTo(ColName, row);  // the grid has more than 12 columns
    else if (column == ColName)
        NextRow(row);
}

void TForm2::NextRow(int row)
{
    if (row < model_->RowCount() - 1)
        StringGrid1->MoveTo(StringGrid1->CurrentColumn(), row + 1);
    StringGrid1->MoveTo(ColRx, StringGrid1->CurrentRow());
}

// Tab (step 1) and Shift+Tab (-1), from a typed cell or the list: the
// cell's value is taken as leaving it would take it, and the next shown
// cell that may be chosen becomes current, on the next or previous row past
// the row's end.
void TForm2::MoveByTab(int step)
{
    if (ComboBox1->isVisible())
        CommitComboText();
    StringGrid1->EndEditing();
    const int lastRow = model_->RowCount() - 1;
    Cell cell{StringGrid1->CurrentColumn(), StringGrid1->CurrentRow()};
    do {
        cell.column += step;
        if (cell.column > ColName || cell.column < ColRx) {
            cell.row += step;
            cell.column = step > 0 ? ColRx : ColName;
        }
        if (cell.row < 1 || cell.row > lastRow)
            return;
    } while (StringGrid1->isColumnHidden(cell.column) || !MaySelectCell(cell.column, cell.row));
    StringGrid1->MoveTo(cell.column, cell.row);
    if (!ComboBox1->isVisible())
        StringGrid1->setFocus();
}

// ---- the drop-down list -------------------------------------------------------

// What drawing the accepted cell does once after a selection: the typed
// columns get the in-place editor, a choice cell gets the list laid exactly
// over it with its items, unless the row has no RX frequency.
void TForm2::PlaceComboIfPending()
{
    if (!ComboPending)
        return;
    ComboPending = false;
    const auto [column, row] = ActiveCell;
    const QModelIndex index = model_->IndexOf(row, column);
    if (!IsChoiceColumn(column) || !index.isValid() || Text(row, ColRx).isEmpty()) {
        HideCombo();
        return;
    }
    FillComboItems(column);
    SelectComboItem(Text(row, column));
    ComboBox1->setGeometry(StringGrid1->visualRect(index));
    ComboBox1->show();
    ComboBox1->setFocus();
}

// Save, Open or a message may have hidden the list while its cell stayed
// current: a click on that cell brings it back.
void TForm2::ShowComboAgain(int column, int row)
{
    if (TransferBusy || ComboBox1->isVisible() || !(ActiveCell == Cell{column, row}))
        return;
    ComboPending = true;
    PlaceComboIfPending();
}

void TForm2::FillComboItems(int column)
{
    const QStringList items = ChoiceItems(column);
    if (comboColumn_ >= 0 && ChoiceItems(comboColumn_) == items)
        return;
    ComboBox1->clear();
    ComboBox1->addItems(items);
    comboColumn_ = column;
}

// The item equal to the text ignoring case, or the first one.
void TForm2::SelectComboItem(const QString& text)
{
    ComboBox1->setCurrentIndex(qMax(0, ComboBox1->findText(text, Qt::MatchFixedString)));
}

// The list's text becomes the cell's; a text that is no item is replaced by
// the first item.
void TForm2::CommitComboText()
{
    int item = ComboBox1->findText(ComboBox1->currentText().toUpper(), Qt::MatchFixedString);
    if (item < 0) {
        ui_->Notice(OverflowChanged, BoxKind::Plain);
        item = 0;
    }
    ComboBox1->setCurrentIndex(item);
    SetText(ActiveCell.row, ActiveCell.column, ComboBox1->itemText(item));
    RecordChange(QStringLiteral("Choose %1 in %2").arg(ComboBox1->itemText(item), CellName(ActiveCell)), ActiveCell);
}

void TForm2::ComboBox1Exit(bool gridHasFocus)
{
    if (ComboBox1->isVisible() && gridHasFocus)
        CommitComboText();
    HideCombo();
}

void TForm2::HideCombo()
{
    if (!ComboBox1->isVisible())
        return;
    const bool hadFocus = IsComboWidget(QApplication::focusWidget());
    // Hiding the focused list would pass the focus on as Tab does, which
    // the grid takes as Tab: the focus goes first.
    if (hadFocus)
        ComboBox1->clearFocus();
    ComboBox1->hide();
    if (hadFocus)
        StringGrid1->setFocus();
}

void TForm2::HideComboOnEmptyRow()
{
    if (ComboBox1->isVisible() && Text(ActiveCell.row, ColRx).isEmpty())
        HideCombo();
}

void TForm2::KeepComboOverCell()
{
    const QModelIndex index = model_->IndexOf(ActiveCell.row, ActiveCell.column);
    if (ComboBox1->isVisible() && index.isValid())
        ComboBox1->setGeometry(StringGrid1->visualRect(index));
}

// The list keeps the row keys (Ctrl+C, Ctrl+V, Del, ...) from its edit
// line, so that they reach the rows, and leaves the wheel to the grid while
// it is closed (its popup gets the wheel when open).
bool TForm2::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != ComboBox1)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::ShortcutOverride)
        return IsRowCommandKey(static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::Wheel) {
        QApplication::sendEvent(StringGrid1->viewport(), event);
        return true;
    }
    return false;
}

bool TForm2::IsRowCommandKey(const QKeyEvent* key) const
{
    const QKeySequence pressed(key->keyCombination());
    for (const QAction* action : StringGrid1->actions())
        if (action->shortcut().matches(pressed) == QKeySequence::ExactMatch)
            return true;
    return false;
}

bool TForm2::IsComboWidget(const QWidget* widget) const
{
    if (!widget)
        return false;
    return widget == ComboBox1 || ComboBox1->isAncestorOf(widget)
        || widget->window() == ComboBox1->view()->window();
}

// Focus leaving the list for another control of this window is the list's
// exit; focus going to another window (a message box, the main window's
// tool bar) is not.
void TForm2::FocusChanged(QWidget* old, QWidget* now)
{
    if (!ComboBox1->isVisible() || !IsComboWidget(old) || IsComboWidget(now) || !now || !isAncestorOf(now))
        return;
    ComboBox1Exit(now == StringGrid1 || StringGrid1->isAncestorOf(now));
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
    if (ComboBox1->isVisible())
        SelectComboItem(Text(ActiveCell.row, ActiveCell.column).toUpper());
    HideComboOnEmptyRow();
    ui_->Notice(ReciveComplete, BoxKind::Plain);
    ProgressBar1->setValue(0);
}

// Nothing is sent unless every channel row can be written as it stands. The
// write and its verify end in one box.
void TForm2::Button2Click()
{
    if (TransferBusy)
        return;
    if (ComboBox1->isVisible())
        CommitComboText();
    const ExchangeReport report = ChannelExchange(Exchange()).Write(table_, VerifyAfterWrite());
    if (!report.Check.Ok)
        return ShowBadCell(report.Check.Message, report.Check.Column, report.Check.Row);
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
    HideCombo();
    StringGrid1->ForceCurrent(column, row);
    StringGrid1->scrollTo(model_->IndexOf(row, column));
    ActiveCell = {column, row};
    ComboPending = true;
    PlaceComboIfPending();
    if (!ComboBox1->isVisible())
        StringGrid1->setFocus();
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
    HideCombo();
    RecordChange(QStringLiteral("New"), ActiveCell);
    MarkClean(QString());  // an empty table has nothing to lose
}

void TForm2::Button4Click()
{
    SaveTable(true);
}

void TForm2::SaveCurrentFile()
{
    SaveTable(false);
}

void TForm2::SaveTable(bool choose)
{
    if (TransferBusy)
        return;
    FlushTyping();
    SaveChannelFile(choose);
    HideCombo();
}

void TForm2::Button5Click()
{
    if (TransferBusy || !MayDiscardChanges())
        return;
    const QString path = ChooseOpenFile(this);
    if (!path.isEmpty())
        LoadChannelFile(path, OpenAs::UserFile);
    HideCombo();
}

bool TForm2::OpenFileAt(const QString& path, OpenAs as)
{
    if (TransferBusy || (as == OpenAs::UserFile && !MayDiscardChanges()))
        return false;
    const bool opened = LoadChannelFile(path, as);
    HideCombo();
    return opened;
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

// The file the user chooses, or the current file at once. True when the
// file was written.
bool TForm2::SaveChannelFile(bool choose)
{
    const QString path = choose || filePath_.isEmpty() ? ChooseSaveFile(this, filePath_) : filePath_;
    if (path.isEmpty())
        return false;
    const ChannelFileResult result =
        WriteChannelFile(path, table_, model_->RowCount(), ChannelFileKind.toString());
    if (!result.Ok) {
        ui_->Notice(result.Describe(QFileInfo(path).fileName()), BoxKind::Error);
        return false;
    }
    MarkClean(path);
    NoteRecentFile(path);
    return true;
}

void TForm2::Tell(const QString& path, const QString& reason)
{
    ui_->Notice(QFileInfo(path).fileName() + QStringLiteral(": ") + reason, BoxKind::Error);
}

// All or nothing: a file that fails its check changes no cell.
bool TForm2::LoadChannelFile(const QString& path, OpenAs as)
{
    FlushTyping();
    const ChannelFileResult result = ReadChannelFile(path, ChannelFileKind.toString(), table_);
    const QString name = QFileInfo(path).fileName();
    if (result.Ok) {
        TableReplaced();
        if (as == OpenAs::UserFile) {
            RecordChange(QStringLiteral("Open %1").arg(name), ActiveCell);
            MarkClean(path);
            NoteRecentFile(path);
        } else {
            RecordChange(QStringLiteral("Open %1 from the radio history").arg(name), ActiveCell);
        }
    } else if (result.Message == BadFileType) {
        ui_->Notice(BadFileType, BoxKind::Information);
    } else {
        ui_->Notice(result.Describe(name), BoxKind::Error);
    }
    return result.Ok;
}

// ---- undo steps and unsaved changes ------------------------------------------

void TForm2::RecordChange(const QString& what, Cell cell)
{
    RecordStep(undo_, recorded_, table_, what, [this, cell](const ChannelTable& table) { ShowTable(table, cell); });
}

void TForm2::RecordCellEdit(Cell cell)
{
    RecordChange(QStringLiteral("Edit ") + CellName(cell), cell);
}

// What was typed, snapped and filled in on leaving a cell is one step. A
// cell only passed through may still be written in the grid's form
// (476.4250 becomes 476.42500): that is no change of the user's, and leaves
// the window as clean as it was.
void TForm2::RecordLeftCell(Cell cell)
{
    if (editedCell_ == cell)
        RecordCellEdit(cell);
    else
        recorded_ = table_;
}

// Typing not yet followed by leaving the cell becomes a step of its own.
void TForm2::FlushTyping()
{
    StringGrid1->EndEditing();
    RecordCellEdit(ActiveCell);
}

// An undo or redo: the table as it was, and the cell where the change was.
void TForm2::ShowTable(const ChannelTable& table, Cell cell)
{
    StringGrid1->EndEditing();
    table_ = table;
    recorded_ = table;
    TableReplaced();
    MoveToCell(cell.column, cell.row);
}

// Save writes the current file at once, as the File menu's Save does.
bool TForm2::MayDiscardChanges()
{
    FlushTyping();
    return MayLoseChanges(!undo_.isClean(), AskUnsaved, this,
                          SaveChangesQuestion(QStringLiteral("channel table"), filePath_),
                          [this] { return SaveChannelFile(false); });
}

void TForm2::MarkClean(const QString& path)
{
    filePath_ = path;
    readAt_ = {};
    undo_.setClean();
    UpdateTitle();
}

void TForm2::UpdateTitle()
{
    Panel2->Label31->setText(TitleWithFile(designedTitle_, filePath_, !undo_.isClean()));
}
