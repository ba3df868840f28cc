#pragma once
// The radio link's questions and notices as message boxes. Callable from the
// window thread and from a worker: a worker's call is handed to the window
// thread and waits there until the user has answered (the window thread keeps
// pumping events while a channel transfer runs, so the box gets shown).
#include "link/LinkUi.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

class GuiLinkUi : public QObject, public LinkUi {
public:
    // Create it on the window thread; boxes are shown over `parent`.
    explicit GuiLinkUi(QWidget* parent = nullptr);

    void Notice(const QString& text, BoxKind kind) override;
    bool Ask(const QString& text, BoxKind kind) override;

private:
    bool ShowBox(const QString& text, BoxKind kind, bool question);
    QPointer<QWidget> parent_;
};
