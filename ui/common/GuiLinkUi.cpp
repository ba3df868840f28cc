#include "GuiLinkUi.h"

#include "BoxTitle.h"
#include "KeepFocus.h"
#include "base/languagestr.h"

#include <QMessageBox>
#include <QThread>

GuiLinkUi::GuiLinkUi(QWidget* parent) : QObject(nullptr), parent_(parent) {}

void GuiLinkUi::Notice(const QString& text, BoxKind kind)
{
    ShowBox(text, kind, false);
}

bool GuiLinkUi::Ask(const QString& text, BoxKind kind)
{
    return ShowBox(text, kind, true);
}

static QMessageBox::Icon IconOf(BoxKind kind)
{
    switch (kind) {
    case BoxKind::Error:
        return QMessageBox::Critical;
    case BoxKind::Information:
        return QMessageBox::Information;
    case BoxKind::Plain:
        break;
    }
    return QMessageBox::NoIcon;
}

bool GuiLinkUi::ShowBox(const QString& text, BoxKind kind, bool question)
{
    if (QThread::currentThread() != thread()) {
        bool answer = false;
        QMetaObject::invokeMethod(
            this, [&] { return ShowBox(text, kind, question); },
            Qt::BlockingQueuedConnection, &answer);
        return answer;
    }
    const QString caption = kind == BoxKind::Information ? languagestr::Information
                                                         : languagestr::AppTitle;
    QMessageBox box(IconOf(kind), caption, text,
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    parent_);
    FitBoxToTitle(box);
    const KeepFocus keep;
    return box.exec() == QMessageBox::Yes;
}
