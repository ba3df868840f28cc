#include "UnsavedChanges.h"

#include "BoxTitle.h"
#include "KeepFocus.h"
#include "base/languagestr.h"

#include <QFileInfo>
#include <QMessageBox>

UnsavedAnswer AskUnsavedBox(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, languagestr::AppTitle, text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setInformativeText(QStringLiteral("Your changes are lost if you do not save them."));
    box.setDefaultButton(QMessageBox::Save);
    FitBoxToTitle(box);
    const KeepFocus keep;
    switch (box.exec()) {
    case QMessageBox::Save:
        return UnsavedAnswer::Save;
    case QMessageBox::Discard:
        return UnsavedAnswer::Discard;
    default:
        return UnsavedAnswer::Cancel;
    }
}

bool MayLoseChanges(bool modified, const UnsavedQuestion& ask, QWidget* parent, const QString& text,
                    const std::function<bool()>& save)
{
    if (!modified)
        return true;
    switch (ask(parent, text)) {
    case UnsavedAnswer::Save:
        return save();
    case UnsavedAnswer::Discard:
        return true;
    case UnsavedAnswer::Cancel:
        break;
    }
    return false;
}

QString SaveChangesQuestion(const QString& what, const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return QStringLiteral("Save the changes to the %1%2?").arg(what, name.isEmpty() ? name : u' ' + name);
}

QString TitleWithFile(const QString& designed, const QString& path, bool modified)
{
    QString title = designed;
    if (!path.isEmpty())
        title += QStringLiteral(" - ") + QFileInfo(path).fileName();
    if (modified)
        title += QStringLiteral(" *");
    return title;
}
