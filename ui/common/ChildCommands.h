#pragma once
// What the main window's New, Open, Save, Save as, Read, Write and Print
// commands press on the active child window. The channel and options windows implement
// it; main_f.h explains how a child window joins the main window.
#include <QKeySequence>

class QString;
class QUndoStack;

// How a file is taken into a window without its file dialog.
enum class OpenAs {
    UserFile,     // like Open: asks about unsaved changes, the window is clean afterwards
    HistoryCopy,  // a radio history entry: one more undo step, the window has unsaved changes
};

class ChildCommands {
public:
    virtual ~ChildCommands() = default;
    // Each presses the window's own button (Button1..Button5).
    virtual void Read() = 0;
    virtual void Write() = 0;
    virtual void New() = 0;   // the options window's Default
    virtual void Save() = 0;  // the main window's Save as: the dialog, with the current file's name
    virtual void Open() = 0;
    // The main window's Save: the window's current file at once, Save as
    // when it has none.
    virtual void SaveCurrentFile() = 0;
    // The channel window prints its table (job "test"), the options window a
    // picture of itself (job "print option").
    virtual void Print() = 0;
    // The window's undo steps; the main window's Undo and Redo act on the
    // active window's stack.
    virtual QUndoStack& UndoStack() = 0;
    // Ends typing in progress as a step of its own, before Undo or Redo.
    virtual void EndTyping() {}
    // Opens a file of the window's kind (channel or option file); false
    // when it was not taken (refused, cancelled, or a transfer runs).
    virtual bool OpenFileAt(const QString& path, OpenAs as) = 0;
};

// The File menu's items for exchanging channels with other programs, which
// only the channel window offers; the main window enables them while such a
// window is the active child.
class ChannelExchangeCommands {
public:
    virtual ~ChannelExchangeCommands() = default;
    virtual void ImportCsv() = 0;       // "Import CSV..."
    virtual void ExportCsv() = 0;       // "Export CSV..."
    virtual void OpenRadioImage() = 0;  // "Open radio image..."
    virtual void SaveRadioImage() = 0;  // "Save radio image..."
};

// The Edit menu's "Compare with radio..." (both windows) and "Program
// radios..." (only the channel window).
class RadioCompareCommands {
public:
    virtual ~RadioCompareCommands() = default;
    virtual void CompareWithRadio() = 0;
};

class RadioRunCommands {
public:
    virtual ~RadioRunCommands() = default;
    virtual void ProgramRadios() = 0;
};

// The row commands of the channel window, in its popup menu and in the main
// window's Edit menu, with their keys.
enum class RowCommand { Copy, Paste, Clear, MoveUp, MoveDown, SelectAll };

inline QKeySequence RowCommandKey(RowCommand command)
{
    switch (command) {
    case RowCommand::Copy:
        return QKeySequence::Copy;
    case RowCommand::Paste:
        return QKeySequence::Paste;
    case RowCommand::Clear:
        return QKeySequence::Delete;
    case RowCommand::MoveUp:
        return QKeySequence(Qt::CTRL | Qt::Key_Up);
    case RowCommand::MoveDown:
        return QKeySequence(Qt::CTRL | Qt::Key_Down);
    case RowCommand::SelectAll:
        break;
    }
    return QKeySequence::SelectAll;
}

// The Edit menu's row items and the View menu's "Show all columns", which
// only the channel window offers.
class ChannelEditCommands {
public:
    virtual ~ChannelEditCommands() = default;
    virtual void EditRows(RowCommand command) = 0;
    // Shows CH-Name, OptSingal and SPUnmute as well, or hides them again.
    virtual void ShowAllColumns(bool on) = 0;
};
