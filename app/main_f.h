#pragma once
// TForm1: the main window. A multiple-document frame with the menu, tool bar
// and status bar; it holds the channel window and the options window as child
// windows and forwards its File, Read, Write and Print commands to the active
// one.
//
// How a child window joins the main window:
//   1. It is a QWidget that also implements ChildCommands (ChildCommands.h):
//      the main window's New, Open, Save, Save as, Print, Read and Write call
//      its New, Open, SaveCurrentFile, Save, Print, Read and Write, and its
//      Edit menu's Undo and Redo follow the child's UndoStack.
//   2. main.cpp registers a factory for it, one line:
//          form1.SetChannelForm([](QWidget* owner) { return new TForm2(owner); });
//          form1.SetParamForm([](QWidget* owner) { return new TFormDova(owner); });
//      The Channel and Param commands create the window through it on first
//      use (ShowChildForm), inside a frameless QMdiSubWindow that is deleted
//      when it closes. The child sizes itself (setFixedSize, or a designed
//      size with a minimum) and rounds and dresses itself with the chrome of
//      WindowChrome.h; a frame larger than the area gives way (FitFrameInto).
//   3. The child closes with ChildFrame(this)->close(); its closeEvent runs.
//   4. A child that also implements ChannelExchangeCommands gets the File
//      menu's Import CSV, Export CSV, Open and Save radio image items; one
//      that implements ChannelEditCommands the Edit menu's row items and the
//      View menu's "Show all columns".
//   5. OpenWindows and the Channel/Param tool buttons are kept by the main
//      window as the frames are activated and closed (activated channel
//      window: (old AND 3) OR 2 OR 8 and SyncToolButtons(true); closed: 5 when
//      the options window is open, else 0, and SyncToolButtons(false); the
//      options window: (old AND 3) OR 1 OR 4, closed: 10 or 0). The child does
//      nothing for it.
#include "history/RadioHistory.h"
#include "ui/common/ChildCommands.h"

#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QToolButton>
#include <array>
#include <functional>
#include <vector>

class BackgroundArea;
class LinkUi;
class PortChoice;
class QActionGroup;
class QUndoGroup;
class QUndoStack;

// Makes a child window owned by `owner` (the main window).
using ChildFactory = std::function<QWidget*(QWidget* owner)>;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // Runs the creation handler (FormCreate). `ui` shows the main window's
    // questions and notices, `ports` holds the stored port choice.
    TForm1(LinkUi& ui, PortChoice& ports, QWidget* parent = nullptr);
    ~TForm1() override;

    void SetChannelForm(ChildFactory factory);
    void SetParamForm(ChildFactory factory);
    // `--port DEVICE`: the device is used instead of the Port menu's choice
    // (not stored) and shown, ticked, in the Port menu.
    void UseCommandLinePort(const QString& device);

    // Shows the single window kept in `form`, creating it through `factory`
    // when there is none; returns it.
    QMdiSubWindow* ShowChildForm(const ChildFactory& factory, QPointer<QMdiSubWindow>& form);
    // Channel button down := down, Param button down := not down, while some
    // child window is open; both up otherwise.
    void SyncToolButtons(bool down);

    // Commands; each does nothing while TransferBusy is set (not menu35Click).
    void menu11Click();     // New
    void menu12Click();     // Open
    void menu13Click();     // Save: the current file at once
    void menu14Click();     // Save as
    void menu15Click();     // Print
    void menu16Click();     // Exit
    void menu21Click();     // Connect
    void menu22Click();     // Channel window
    void menu23Click();     // Options window
    void ToolButton6Click();  // Read
    void ToolButton8Click();  // Write
    void menu35Click(QAction* item);  // a Port item
    // File menu: "Import CSV...", "Export CSV...", "Open radio image...",
    // "Save radio image...", pressed on the channel window when it is the
    // active child; each does nothing while TransferBusy is set.
    void ExchangeClick(void (ChannelExchangeCommands::*command)());
    // A command that only some child windows offer (Compare, Program radios).
    template <class Commands>
    void OfferedClick(void (Commands::*command)());
    // Edit menu: Copy rows ... Select all rows, on the channel window when
    // it is the active child; nothing while TransferBusy is set.
    void RowItemClick(RowCommand command);
    // View menu: "Show all columns" of the channel window.
    void ShowColumnsClick(bool on);
    void UndoClick();       // Edit menu: the active child window's undo stack
    void RedoClick();
    void HistoryClick();    // File menu: "Radio history..."
    // A channel or option file into its window: File menu, a recent file; a
    // file named on the command line.
    void OpenRecentFile(const QString& path);
    void menu41Click();     // Help: the guide window
    void menu42Click();     // About
    // Opens a history entry in the channel or options window, as a change
    // that can be undone.
    void OpenHistoryEntry(const HistoryEntry& entry);

    QMdiSubWindow* ChannelForm() const { return channelForm_; }
    QMdiSubWindow* ParamForm() const { return paramForm_; }

    // Controls, named as in the window's resource.
    BackgroundArea* MdiClient;
    QImage Image2;
    QMenu *menu10, *menu20, *menu30, *menu40;
    QAction *menu11, *menu12, *menu13, *menu14, *menu15, *menu16;
    QAction *menu21, *menu22, *menu23, *menu41, *menu42;
    QAction *ImportCsvItem, *ExportCsvItem, *OpenImageItem, *SaveImageItem;
    QAction *UndoItem, *RedoItem;  // "Undo <step>", "Redo <step>" of the active child window
    QAction* HistoryItem;          // "Radio history..."
    QAction* VerifyItem;           // "Verify after write", ticked, stored
    QAction *ReadItem, *WriteItem; // "Read from radio" F5, "Write to radio" F6
    QAction *CompareItem, *ProgramItem;  // "Compare with radio...", "Program radios..."
    std::vector<QAction*> RowItems;  // "Copy rows" .. "Select all rows", in RowCommand order
    QMenu* ViewMenu;
    QAction* ShowColumnsItem;      // "Show all columns", ticked while they are shown
    QMenu* RecentMenu;             // the channel and option files used last
    std::array<QAction*, 9> PortItems;  // menu32 .. menu3A, Tag = index + 1
    QList<QAction*> BeyondPortItems;   // ports above COM9, after the nine
    QAction* CommandLinePortItem = nullptr;
    QToolBar* ToolBar1;
    QToolButton *ToolButton1, *ToolButton2, *ToolButton4, *ToolButton5, *ToolButton12,
        *ToolButton13, *ToolButton6, *ToolButton8, *ToolButton10;
    std::array<QLabel*, 5> StatusPanels;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Child { Channel, Param };
    void BuildMenu();
    void BuildRowItems();
    void BuildToolBar();
    void BuildStatusBar();
    QToolButton* AddToolButton(const QString& hint, int image, void (TForm1::*command)(), bool grouped = false);
    void FormCreate();
    void KeepMinimumSize();
    void FormShow();
    void BuildPortMenu();
    void TickPortItem(int preferred);
    void RelistPorts();
    void OpenChild(Child which);
    void Dispatch(void (ChildCommands::*press)());
    ChildCommands* ActiveChild() const;
    void SubWindowActivated(QMdiSubWindow* frame);
    void SubWindowClosed(Child which);
    void ChannelFormClosed();
    void ParamFormClosed();
    void FollowActiveChildSteps();
    void StepActiveChild(void (QUndoStack::*step)());
    void OpenInChild(Child which, const QString& path, OpenAs as);
    void FillRecentMenu();

    LinkUi& ui_;
    PortChoice& ports_;
    QActionGroup* portGroup_;
    QAction* beyondEnd_;  // the separator before the command line's device
    QUndoGroup* undoGroup_;
    ChildFactory channelFactory_, paramFactory_;
    QPointer<QMdiSubWindow> channelForm_, paramForm_;
    QString commandLinePort_;
    QPointer<QWidget> guide_, about_;
    bool shown_ = false;
};
