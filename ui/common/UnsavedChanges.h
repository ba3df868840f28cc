#pragma once
// The question before a window's unsaved changes would be lost (closing it,
// New, Open, leaving the program), and the title that shows them.
#include <QString>
#include <functional>

class QWidget;

enum class UnsavedAnswer { Save, Discard, Cancel };

// How a window asks; replaceable so that tests need no message box.
using UnsavedQuestion = std::function<UnsavedAnswer(QWidget* parent, const QString& text)>;

// A message box with Save, Discard and Cancel (Save is the default).
UnsavedAnswer AskUnsavedBox(QWidget* parent, const QString& text);

// True when the caller may go on: nothing would be lost, the user chose
// Discard, or he chose Save and `save` wrote the file.
bool MayLoseChanges(bool modified, const UnsavedQuestion& ask, QWidget* parent, const QString& text,
                    const std::function<bool()>& save);

// "Save the changes to the channel table?", with the name of the window's
// file ("... channel table home.chnw?") when it has one (`path`).
QString SaveChangesQuestion(const QString& what, const QString& path);

// "designed title - file name *": the file last opened or saved (`path`,
// empty before one is), and a star while the window holds unsaved changes.
QString TitleWithFile(const QString& designed, const QString& path, bool modified);
