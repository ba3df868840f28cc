#include "main_f.h"

#include "BackgroundArea.h"
#include "HelpWindows.h"
#include "PortChoice.h"
#include "StartUp.h"
#include "ToolIcons.h"
#include "base/Connection.h"
#include "base/ProgramState.h"
#include "base/languagestr.h"
#include "link/LinkUi.h"
#include "ui/common/Accessibility.h"
#include "ui/common/HistoryDialog.h"
#include "ui/common/PictureFile.h"
#include "ui/common/StayDownButton.h"
#include "ui/common/UserSettings.h"
#include "ui/common/WindowExchange.h"
#include "ui/common/WindowChrome.h"

#include <QActionGroup>
#include <algorithm>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMoveEvent>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUndoGroup>
#include <QUndoStack>

using namespace languagestr;

namespace {

constexpr QSize MinimumOuterSize(880, 668);
constexpr QPoint ChannelFormPlace(36, 36);
constexpr QPoint ParamFormPlace(26, 26);

struct PanelLayout {
    int width;
    Qt::Alignment alignment;
    const QString* widest;  // the longest text the panel shows
};
const std::array<PanelLayout, 5> Panels = {{
    {90, Qt::AlignRight, &StatusConnectState},
    {80, Qt::AlignHCenter, &StatusDisconnect},
    {70, Qt::AlignRight, &StatusMode},
    {88, Qt::AlignLeft, &StatusUnknow},
    {88, Qt::AlignRight, nullptr},
}};
constexpr int PanelMargin = 14;  // padding, rule and a little air

} // namespace

TForm1::TForm1(LinkUi& ui, PortChoice& ports, QWidget* parent)
    : QMainWindow(parent), MdiClient(new BackgroundArea(this)), ui_(ui), ports_(ports),
      undoGroup_(new QUndoGroup(this))
{
    setObjectName(QStringLiteral("Form1"));
    setCentralWidget(MdiClient);
    BuildMenu();
    BuildToolBar();
    BuildStatusBar();
    KeepMinimumSize();
    MdiClient->viewport()->setMouseTracking(true);
    MdiClient->viewport()->installEventFilter(this);
    connect(MdiClient, &QMdiArea::subWindowActivated, this, &TForm1::SubWindowActivated);
    FormCreate();
}

TForm1::~TForm1()
{
    // The child frames die with the window; their close bookkeeping must not
    // run on a half-destroyed main window. A frame closed but not yet deleted
    // is no longer in the area's list, so every frame is looked up.
    MdiClient->disconnect(this);
    for (QMdiSubWindow* frame : MdiClient->findChildren<QMdiSubWindow*>())
        frame->disconnect(this);
}

void TForm1::BuildMenu()
{
    NameControl(menuBar(), QStringLiteral("Menus"));
    // Captions of the window's resource; FormShow puts in the English texts.
    menu10 = menuBar()->addMenu(QStringLiteral("File"));
    menu11 = menu10->addAction(QStringLiteral("新建文件(&N)"), this, &TForm1::menu11Click);
    menu11->setShortcut(QKeySequence::New);
    menu12 = menu10->addAction(QStringLiteral("打开文件(&O)"), this, &TForm1::menu12Click);
    menu12->setShortcut(QKeySequence::Open);
    RecentMenu = menu10->addMenu(QStringLiteral("Recent files"));
    connect(menu10, &QMenu::aboutToShow, this, &TForm1::FillRecentMenu);
    HistoryItem = menu10->addAction(QStringLiteral("Radio history..."), this, &TForm1::HistoryClick);
    menu10->addSeparator();
    menu13 = menu10->addAction(QStringLiteral("保存文件(&W)"), this, &TForm1::menu13Click);
    menu13->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    menu14 = menu10->addAction(QStringLiteral("另存文件(&S)"), this, &TForm1::menu14Click);
    menu14->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    menu10->addSeparator();
    ImportCsvItem = menu10->addAction(QStringLiteral("Import CSV..."), this,
                                      [this] { ExchangeClick(&ChannelExchangeCommands::ImportCsv); });
    ExportCsvItem = menu10->addAction(QStringLiteral("Export CSV..."), this,
                                      [this] { ExchangeClick(&ChannelExchangeCommands::ExportCsv); });
    OpenImageItem = menu10->addAction(QStringLiteral("Open radio image..."), this,
                                      [this] { ExchangeClick(&ChannelExchangeCommands::OpenRadioImage); });
    SaveImageItem = menu10->addAction(QStringLiteral("Save radio image..."), this,
                                      [this] { ExchangeClick(&ChannelExchangeCommands::SaveRadioImage); });
    // Only the channel window exchanges channels.
    connect(menu10, &QMenu::aboutToShow, this, [this] {
        const bool channels = dynamic_cast<ChannelExchangeCommands*>(ActiveChild()) != nullptr;
        for (QAction* item : {ImportCsvItem, ExportCsvItem, OpenImageItem, SaveImageItem})
            item->setEnabled(channels);
    });
    menu10->addSeparator();
    menu15 = menu10->addAction(QStringLiteral("打印(&P)"), this, &TForm1::menu15Click);
    menu15->setShortcut(QKeySequence::Print);
    menu10->addSeparator();
    menu16 = menu10->addAction(QStringLiteral("退出程序(&X)"), this, &TForm1::menu16Click);
    menu16->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    FillRecentMenu();

    menu20 = menuBar()->addMenu(QStringLiteral("编辑"));
    // Undo and Redo follow the active child window's steps ("Undo Paste row 83").
    UndoItem = menu20->addAction(QStringLiteral("Undo"), this, &TForm1::UndoClick);
    UndoItem->setShortcuts(QKeySequence::Undo);
    RedoItem = menu20->addAction(QStringLiteral("Redo"), this, &TForm1::RedoClick);
    RedoItem->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    const auto follow = [](QAction* item, const QString& verb, auto canChanged, auto textChanged, QUndoGroup* group) {
        item->setEnabled(false);
        connect(group, canChanged, item, &QAction::setEnabled);
        connect(group, textChanged, item, [item, verb](const QString& step) {
            item->setText(step.isEmpty() ? verb : verb + u' ' + step);
        });
    };
    follow(UndoItem, QStringLiteral("Undo"), &QUndoGroup::canUndoChanged, &QUndoGroup::undoTextChanged, undoGroup_);
    follow(RedoItem, QStringLiteral("Redo"), &QUndoGroup::canRedoChanged, &QUndoGroup::redoTextChanged, undoGroup_);
    menu20->addSeparator();
    BuildRowItems();
    menu20->addSeparator();
    ReadItem = menu20->addAction(QStringLiteral("Read from radio"), this, &TForm1::ToolButton6Click);
    ReadItem->setShortcut(QKeySequence(Qt::Key_F5));
    WriteItem = menu20->addAction(QStringLiteral("Write to radio"), this, &TForm1::ToolButton8Click);
    WriteItem->setShortcut(QKeySequence(Qt::Key_F6));
    CompareItem = menu20->addAction(QStringLiteral("Compare with radio..."), this,
                                    [this] { OfferedClick(&RadioCompareCommands::CompareWithRadio); });
    ProgramItem = menu20->addAction(QStringLiteral("Program radios..."), this,
                                    [this] { OfferedClick(&RadioRunCommands::ProgramRadios); });
    connect(menu20, &QMenu::aboutToShow, this, [this] {
        CompareItem->setEnabled(dynamic_cast<RadioCompareCommands*>(ActiveChild()) != nullptr);
        ProgramItem->setEnabled(dynamic_cast<RadioRunCommands*>(ActiveChild()) != nullptr);
    });
    VerifyItem = menu20->addAction(QStringLiteral("Verify after write"));
    VerifyItem->setCheckable(true);
    VerifyItem->setChecked(VerifyAfterWrite());
    connect(VerifyItem, &QAction::toggled, this, &SetVerifyAfterWrite);
    menu20->addSeparator();
    menu21 = menu20->addAction(QStringLiteral("连接"), this, &TForm1::menu21Click);
    menu21->setVisible(false);
    menu22 = menu20->addAction(QStringLiteral("信道信息(&C)"), this, &TForm1::menu22Click);
    menu22->setEnabled(false);
    menu23 = menu20->addAction(QStringLiteral("可选参数(&O)"), this, &TForm1::menu23Click);
    menu23->setEnabled(false);

    ViewMenu = menuBar()->addMenu(QStringLiteral("&View"));
    ShowColumnsItem = ViewMenu->addAction(QStringLiteral("Show all columns"), this, &TForm1::ShowColumnsClick);
    ShowColumnsItem->setCheckable(true);
    connect(ViewMenu, &QMenu::aboutToShow, this, [this] {
        ShowColumnsItem->setEnabled(!channelForm_.isNull());
        ShowColumnsItem->setChecked(AllColumnsShown());
    });

    menu30 = menuBar()->addMenu(QStringLiteral("端口选择"));
    portGroup_ = new QActionGroup(this);
    for (int k = 0; k < PortItemCount; ++k) {
        QAction* item = menu30->addAction(QStringLiteral("Com&%1").arg(k + 1));
        item->setCheckable(true);
        item->setData(QStringLiteral("com%1").arg(k + 1));
        portGroup_->addAction(item);
        PortItems[k] = item;
    }
    PortItems[0]->setChecked(true);
    // Then the ports above COM9, then the command line's device, each group
    // after a separator (empty groups leave one separator, or none, behind).
    menu30->addSeparator();
    beyondEnd_ = menu30->addSeparator();
    connect(portGroup_, &QActionGroup::triggered, this, &TForm1::menu35Click);
    connect(menu30, &QMenu::aboutToShow, this, &TForm1::RelistPorts);

    menu40 = menuBar()->addMenu(QStringLiteral("帮助"));
    menu41 = menu40->addAction(QStringLiteral("帮助(&H)"), this, &TForm1::menu41Click);
    menu41->setShortcut(QKeySequence::HelpContents);
    menu40->addSeparator();
    menu42 = menu40->addAction(QStringLiteral("关于软件(&A)"), this, &TForm1::menu42Click);

    // The keys that close the active child window, asking about its changes
    // as its Close button does.
    auto* closeChild = new QAction(this);
    closeChild->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_F4), QKeySequence(Qt::CTRL | Qt::Key_W)});
    closeChild->setShortcutContext(Qt::WindowShortcut);
    connect(closeChild, &QAction::triggered, this, [this] {
        if (QMdiSubWindow* frame = MdiClient->activeSubWindow(); frame && !TransferBusy)
            frame->close();
    });
    addAction(closeChild);
    // Ctrl+Tab and Ctrl+Shift+Tab go from one child window to the other.
    auto* nextChild = new QAction(this);
    nextChild->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)});
    nextChild->setShortcutContext(Qt::WindowShortcut);
    connect(nextChild, &QAction::triggered, MdiClient, &QMdiArea::activateNextSubWindow);
    addAction(nextChild);
}

// Copy, Paste, Clear, Move up, Move down, Select all: the channel window's
// row commands. The menu shows their keys, but the keys belong to the
// channel window's grid (a second owner would make them ambiguous): the
// items' keys apply only while the menu bar has the focus.
void TForm1::BuildRowItems()
{
    const std::pair<QString, RowCommand> items[] = {
        {QStringLiteral("Copy rows"), RowCommand::Copy},
        {QStringLiteral("Paste rows"), RowCommand::Paste},
        {QStringLiteral("Clear rows"), RowCommand::Clear},
        {QStringLiteral("Move rows up"), RowCommand::MoveUp},
        {QStringLiteral("Move rows down"), RowCommand::MoveDown},
        {QStringLiteral("Select all rows"), RowCommand::SelectAll},
    };
    for (const auto& [text, command] : items) {
        QAction* item = menu20->addAction(text, this, [this, command = command] { RowItemClick(command); });
        item->setShortcut(RowCommandKey(command));
        item->setShortcutContext(Qt::WidgetShortcut);
        RowItems.push_back(item);
    }
    connect(menu20, &QMenu::aboutToShow, this, [this] {
        const bool channels = dynamic_cast<ChannelEditCommands*>(ActiveChild()) != nullptr;
        for (QAction* item : RowItems)
            item->setEnabled(channels);
    });
}

QToolButton* TForm1::AddToolButton(const QString& hint, int image, void (TForm1::*command)(), bool grouped)
{
    QToolButton* button = grouped ? new StayDownButton(ToolBar1) : new QToolButton(ToolBar1);
    button->setText(hint);
    button->setToolTip(hint);
    button->setIcon(ToolIcon(image));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->installEventFilter(this);
    if (grouped) {
        // A click toggles the button before the command runs; the commands
        // set the Channel and Param buttons themselves, so the toggle is undone.
        button->setCheckable(true);
        connect(button, &QToolButton::clicked, button, [button](bool down) { button->setChecked(!down); });
    }
    connect(button, &QToolButton::clicked, this, command);
    ToolBar1->addWidget(button);
    return button;
}

void TForm1::BuildToolBar()
{
    // The title is never shown (no popup, not movable); a screen reader
    // reads it as the bar's name.
    ToolBar1 = addToolBar(QStringLiteral("Tools"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
    ToolBar1->setIconSize(QSize(24, 24));
    ToolBar1->setMouseTracking(true);
    ToolBar1->installEventFilter(this);

    ToolButton1 = AddToolButton(QStringLiteral("New"), 0, &TForm1::menu11Click);
    ToolButton2 = AddToolButton(QStringLiteral("Open"), 1, &TForm1::menu12Click);
    ToolButton4 = AddToolButton(QStringLiteral("Save As"), 2, &TForm1::menu14Click);
    ToolBar1->addSeparator();  // ToolButton3
    ToolButton5 = AddToolButton(QStringLiteral("Print"), 3, &TForm1::menu15Click);
    ToolBar1->addSeparator();  // ToolButton7 and ToolButton15
    ToolButton12 = AddToolButton(QStringLiteral("Channel"), 12, &TForm1::menu22Click, true);
    ToolButton13 = AddToolButton(QStringLiteral("Param"), 13, &TForm1::menu23Click, true);
    ToolBar1->addSeparator();  // ToolButton14
    ToolButton6 = AddToolButton(QStringLiteral("Read"), 9, &TForm1::ToolButton6Click);
    ToolButton8 = AddToolButton(QStringLiteral("Write"), 8, &TForm1::ToolButton8Click);
    ToolBar1->addSeparator();  // ToolButton11
    ToolButton10 = AddToolButton(QStringLiteral("Exit"), 7, &TForm1::menu16Click);
    // Qt's button for the tools a narrow window has no room for.
    if (auto* more = ToolBar1->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        NameControl(more, QStringLiteral("More tools"));
}

void TForm1::BuildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(false);
    bar->setStyleSheet(QStringLiteral("QStatusBar { border-top: 1px solid palette(midlight); }"
                                      "QStatusBar::item { border: none; }"));
    for (int i = 0; i < int(StatusPanels.size()); ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i));
        // The designed widths, widened where this system's font needs more.
        const int needed = Panels[i].widest
            ? panel->fontMetrics().horizontalAdvance(*Panels[i].widest) + PanelMargin : 0;
        panel->setFixedWidth(std::max(Panels[i].width, needed));
        panel->setAlignment(Panels[i].alignment | Qt::AlignVCenter);
        // Panels 0..3 are bevelled; the hint panel is not.
        if (i < 4) {
            panel->setFrameShape(QFrame::StyledPanel);
            panel->setStyleSheet(QStringLiteral("QLabel { border: none; border-right: 1px solid #c3cad3; padding: 0 3px; }"));
        }
        bar->addWidget(panel);
        StatusPanels[i] = panel;
    }
    AddStatusNoteLabel(bar);
}

void TForm1::FormCreate()
{
    InitProgramState(ports_);
    QString error;
    if (!LoadScrambledPicture(Image2, QStringLiteral("bkg.dat"), error)) {
        // The rest of the creation is skipped; Connect can still fix the model.
        ui_.Notice(error, BoxKind::Error);
        return;
    }
    MdiClient->SetPicture(Image2);
    StatusPanels[0]->setText(StatusConnectState);
    StatusPanels[1]->setText(StatusDisconnect);
    StatusPanels[2]->setText(StatusMode);
    StatusPanels[3]->setText(StatusUnknow);
    SetFixedModel();
    SetModelTexts();
    menu22->setEnabled(true);
    menu23->setEnabled(true);
    StatusPanels[1]->setText(StatusConnect);
    StatusPanels[3]->setText(ModelName);
    // One object for a screen reader instead of the separate panels.
    NameControl(statusBar(), PlainName(StatusPanels[0]->text() + u' ' + StatusPanels[1]->text() + QStringLiteral(". ")
                                             + StatusPanels[2]->text() + StatusPanels[3]->text()));
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    KeepMinimumSize();
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

// The smallest outer size, frame included, but never more than the screen
// offers: on a small or scaled screen the whole window still shows, its
// title bar and status bar too.
void TForm1::KeepMinimumSize()
{
    const QSize frame = frameGeometry().size() - size();
    setMinimumSize((MinimumOuterSize - frame).boundedTo(RoomOnScreen(this)));
}

// The window manager frames the window once it is shown: its minimum is
// then taken with the frame it has.
void TForm1::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    KeepMinimumSize();
}

void TForm1::FormShow()
{
    setWindowTitle(AppTitle);
    menu10->setTitle(MenuFile);
    menu11->setText(MenuNew);
    menu12->setText(MenuOpen);
    menu13->setText(MenuSave);
    menu14->setText(MenuSaveAs);
    menu15->setText(MenuPrint);
    menu16->setText(MenuExit);
    menu20->setTitle(MenuEdit);
    menu21->setText(MenuConnect);
    menu22->setText(MenuChannel);
    menu23->setText(MenuParam);
    // The only menu without a letter: Alt+P reaches it from the keyboard.
    menu30->setTitle(u'&' + MenuPort);

    TickPortItem(ports_.LoadPortIndex());

    menu40->setTitle(MenuHelp);
    menu41->setText(MenuHelpItem);
    menu42->setText(MenuAbout);
}

// An item with a device opens exactly that device, the one it shows, not
// whatever the system lists in its place when the port is opened.
void TForm1::BuildPortMenu()
{
    const PortMenuItems items = ports_.CurrentItems();
    for (int k = 0; k < PortItemCount; ++k) {
        QAction* item = PortItems[k];
        item->setVisible(items.visible[k]);
        item->setData(items.device[k].isEmpty() ? items.hint[k] : items.device[k]);
        const QString caption = QStringLiteral("Com&%1").arg(k + 1);
        item->setText(items.device[k].isEmpty() ? caption : caption + QLatin1Char('\t') + items.device[k]);
    }
    QAction* ticked = portGroup_->checkedAction();
    const QString tickedBeyond = BeyondPortItems.contains(ticked) ? ticked->data().toString() : QString();
    qDeleteAll(BeyondPortItems);
    BeyondPortItems.clear();
    for (const QString& port : items.beyond) {
        if (CommandLinePortItem && port.compare(CommandLinePortItem->data().toString(), Qt::CaseInsensitive) == 0)
            continue;  // shown once, as the command line's device
        auto* item = new QAction(port, menu30);
        item->setCheckable(true);
        item->setData(port);
        menu30->insertAction(beyondEnd_, item);
        portGroup_->addAction(item);
        item->setChecked(port == tickedBeyond);
        BeyondPortItems << item;
    }
}

// Builds the items and ticks `preferred` (an item index) when it is visible,
// else the show-time fallback; the command line's device, or a port above
// COM9, stays ticked while it is there. PortName follows the ticked item.
// Nothing is stored.
void TForm1::TickPortItem(int preferred)
{
    BuildPortMenu();
    std::array<bool, PortItemCount> visible{};
    for (int k = 0; k < PortItemCount; ++k)
        visible[k] = PortItems[k]->isVisible();
    QAction* ticked = portGroup_->checkedAction();
    if (!ticked || (ticked != CommandLinePortItem && !BeyondPortItems.contains(ticked)))
        ticked = PortItems[ChoosePortItem(preferred, visible)];
    ticked->setChecked(true);
    PortName = ticked->data().toString();
}

// Cables come and go while the program runs: the Port menu lists the
// devices again each time it opens, and keeps the ticked item while it is
// there.
void TForm1::RelistPorts()
{
    ports_.ListPorts();
    const auto ticked = std::find(PortItems.begin(), PortItems.end(), portGroup_->checkedAction());
    TickPortItem(ticked == PortItems.end() ? -1 : int(ticked - PortItems.begin()));
}

void TForm1::UseCommandLinePort(const QString& device)
{
    if (!CommandLinePortItem) {
        CommandLinePortItem = menu30->addAction(QString());
        CommandLinePortItem->setCheckable(true);
        portGroup_->addAction(CommandLinePortItem);
    }
    CommandLinePortItem->setText(device);
    CommandLinePortItem->setData(device);
    CommandLinePortItem->setChecked(true);
    PortName = device;
}

void TForm1::menu35Click(QAction* item)
{
    item->setChecked(true);
    PortName = item->data().toString();
    const int index = static_cast<int>(std::find(PortItems.begin(), PortItems.end(), item) - PortItems.begin());
    if (index >= PortItemCount)
        return;  // the command line's device is not stored
    QString error;
    if (!ports_.SavePortIndex(index, error))
        ui_.Notice(error, BoxKind::Error);
}

void TForm1::SetChannelForm(ChildFactory factory)
{
    channelFactory_ = std::move(factory);
}

void TForm1::SetParamForm(ChildFactory factory)
{
    paramFactory_ = std::move(factory);
}

QMdiSubWindow* TForm1::ShowChildForm(const ChildFactory& factory, QPointer<QMdiSubWindow>& form)
{
    if (form) {
        if (form->isMinimized())
            form->showNormal();
        else
            form->show();
        form->raise();
        MdiClient->setActiveSubWindow(form);
        form->widget()->setFocus();
        return form;
    }
    if (!factory)
        return nullptr;
    auto* frame = new QMdiSubWindow;
    frame->setAttribute(Qt::WA_DeleteOnClose);
    form = frame;
    frame->setWidget(factory(this));
    StripCaptionStyle(frame);
    MdiClient->addSubWindow(frame);
    frame->show();
    MdiClient->setActiveSubWindow(frame);
    frame->widget()->setFocus();
    return frame;
}

void TForm1::SyncToolButtons(bool down)
{
    const bool someOpen = OpenWindows & (OptionsWindowOpen | ChannelWindowOpen);
    ToolButton12->setChecked(someOpen && down);
    ToolButton13->setChecked(someOpen && !down);
}

void TForm1::SubWindowActivated(QMdiSubWindow* frame)
{
    if (!frame)
        return;  // the whole application lost the focus: nothing changes
    if (frame == channelForm_) {
        OpenWindows = (OpenWindows & 3) | ChannelWindowOpen | ChannelWindowActive;
        SyncToolButtons(true);
    } else if (frame == paramForm_) {
        OpenWindows = (OpenWindows & 3) | OptionsWindowOpen | OptionsWindowActive;
    }
    FollowActiveChildSteps();
}

void TForm1::FollowActiveChildSteps()
{
    ChildCommands* child = ActiveChild();
    if (child)
        undoGroup_->addStack(&child->UndoStack());
    undoGroup_->setActiveStack(child ? &child->UndoStack() : nullptr);
}

void TForm1::SubWindowClosed(Child which)
{
    if (which == Child::Channel) {
        OpenWindows = (OpenWindows & OptionsWindowOpen) ? OptionsWindowOpen | OptionsWindowActive : 0;
        SyncToolButtons(false);
    } else {
        OpenWindows = (OpenWindows & ChannelWindowOpen) ? ChannelWindowOpen | ChannelWindowActive : 0;
    }
    FollowActiveChildSteps();
}

void TForm1::OpenChild(Child which)
{
    if (TransferBusy)
        return;
    if (DeviceType == 0 && ui_.Ask(DeviceNoConnectNow, BoxKind::Information))
        menu21Click();
    if (DeviceType == 0)
        return;
    const bool channel = which == Child::Channel;
    if (channel) {
        ToolButton12->setChecked(true);
        ToolButton13->setChecked(false);
    }
    QPointer<QMdiSubWindow>& form = channel ? channelForm_ : paramForm_;
    QMdiSubWindow* frame = ShowChildForm(channel ? channelFactory_ : paramFactory_, form);
    if (!frame)
        return;
    connect(frame, &QObject::destroyed, this,
            channel ? &TForm1::ChannelFormClosed : &TForm1::ParamFormClosed, Qt::UniqueConnection);
    // The shown window is the active child now, also while another
    // application has the focus.
    SubWindowActivated(frame);
    frame->move(channel ? ChannelFormPlace : ParamFormPlace);
    FitFrameInto(frame, MdiClient->viewport()->size());
    if (!channel) {
        ToolButton12->setChecked(false);
        ToolButton13->setChecked(true);
    }
}

void TForm1::ChannelFormClosed()
{
    SubWindowClosed(Child::Channel);
}

void TForm1::ParamFormClosed()
{
    SubWindowClosed(Child::Param);
}

void TForm1::menu21Click()
{
    SetFixedModel();
    ui_.Notice(BandMessage(), BoxKind::Plain);
}

void TForm1::menu22Click()
{
    OpenChild(Child::Channel);
}

void TForm1::menu23Click()
{
    OpenChild(Child::Param);
}

ChildCommands* TForm1::ActiveChild() const
{
    QMdiSubWindow* frame = nullptr;
    switch (OpenWindows & (OptionsWindowActive | ChannelWindowActive)) {
    case ChannelWindowActive:
        frame = channelForm_;
        break;
    case OptionsWindowActive:
        frame = DeviceType == 3 ? paramForm_.data() : nullptr;
        break;
    default:
        break;
    }
    return frame ? dynamic_cast<ChildCommands*>(frame->widget()) : nullptr;
}

void TForm1::Dispatch(void (ChildCommands::*press)())
{
    if (TransferBusy)
        return;
    if (ChildCommands* child = ActiveChild())
        (child->*press)();
}

void TForm1::ExchangeClick(void (ChannelExchangeCommands::*command)())
{
    if (TransferBusy)
        return;
    if (auto* child = dynamic_cast<ChannelExchangeCommands*>(ActiveChild()))
        (child->*command)();
}

template <class Commands>
void TForm1::OfferedClick(void (Commands::*command)())
{
    if (TransferBusy)
        return;
    if (auto* child = dynamic_cast<Commands*>(ActiveChild()))
        (child->*command)();
}

void TForm1::menu11Click() { Dispatch(&ChildCommands::New); }
void TForm1::menu12Click() { Dispatch(&ChildCommands::Open); }
void TForm1::menu13Click() { Dispatch(&ChildCommands::SaveCurrentFile); }
void TForm1::menu14Click() { Dispatch(&ChildCommands::Save); }
void TForm1::menu15Click() { Dispatch(&ChildCommands::Print); }
void TForm1::ToolButton6Click() { Dispatch(&ChildCommands::Read); }
void TForm1::ToolButton8Click() { Dispatch(&ChildCommands::Write); }

void TForm1::RowItemClick(RowCommand command)
{
    if (TransferBusy)
        return;
    if (auto* child = dynamic_cast<ChannelEditCommands*>(ActiveChild()))
        child->EditRows(command);
}

void TForm1::ShowColumnsClick(bool on)
{
    if (auto* child = channelForm_ ? dynamic_cast<ChannelEditCommands*>(channelForm_->widget()) : nullptr)
        child->ShowAllColumns(on);
}

void TForm1::UndoClick() { StepActiveChild(&QUndoStack::undo); }
void TForm1::RedoClick() { StepActiveChild(&QUndoStack::redo); }

void TForm1::StepActiveChild(void (QUndoStack::*step)())
{
    if (TransferBusy)
        return;
    if (ChildCommands* child = ActiveChild()) {
        child->EndTyping();
        (child->UndoStack().*step)();
    }
}

// The files used last, newest first; opening one asks about unsaved changes
// as Open does.
void TForm1::FillRecentMenu()
{
    RecentMenu->clear();
    const QStringList files = RecentFiles();
    for (int i = 0; i < files.size(); ++i) {
        QAction* item = RecentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(files[i]).fileName()));
        item->setToolTip(files[i]);
        const QString path = files[i];
        connect(item, &QAction::triggered, this, [this, path] { OpenRecentFile(path); });
    }
    RecentMenu->setEnabled(!files.isEmpty());
}

void TForm1::OpenRecentFile(const QString& path)
{
    const bool options = path.endsWith(QStringLiteral(".optw"), Qt::CaseInsensitive);
    OpenInChild(options ? Child::Param : Child::Channel, path, OpenAs::UserFile);
}

void TForm1::menu41Click()
{
    guide_ = ShowGuideWindow(guide_, this);
}

void TForm1::menu42Click()
{
    about_ = ShowAboutBox(about_, this);
}

void TForm1::HistoryClick()
{
    if (TransferBusy)
        return;
    HistoryDialog dialog(this);
    if (dialog.exec() == QDialog::Accepted)
        OpenHistoryEntry(dialog.Chosen());
}

void TForm1::OpenHistoryEntry(const HistoryEntry& entry)
{
    OpenInChild(entry.HoldsChannels() ? Child::Channel : Child::Param, entry.FilePath(), OpenAs::HistoryCopy);
}

void TForm1::OpenInChild(Child which, const QString& path, OpenAs as)
{
    if (TransferBusy)
        return;
    OpenChild(which);
    const QPointer<QMdiSubWindow>& form = which == Child::Channel ? channelForm_ : paramForm_;
    if (auto* child = form ? dynamic_cast<ChildCommands*>(form->widget()) : nullptr)
        child->OpenFileAt(path, as);
}

void TForm1::menu16Click()
{
    if (!TransferBusy)
        close();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (TransferBusy) {
        // The window's close box: the transfer finishes first, then the
        // window closes.
        event->ignore();
        QTimer::singleShot(100, this, &QWidget::close);
        return;
    }
    // Each child window asks about its unsaved changes; Cancel in one keeps
    // the program running.
    for (QMdiSubWindow* frame : MdiClient->subWindowList()) {
        if (!frame->close()) {
            event->ignore();
            return;
        }
    }
    QMainWindow::closeEvent(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    auto* button = qobject_cast<QToolButton*>(watched);
    if (button && event->type() == QEvent::Enter)
        StatusPanels[4]->setText(QLatin1Char('|') + button->toolTip());
    else if (!button && event->type() == QEvent::MouseMove)
        StatusPanels[4]->clear();
    return QMainWindow::eventFilter(watched, event);
}
