#include "Accessibility.h"

#include <QAccessible>
#include <QRegularExpression>
#include <QWidget>

QString PlainName(const QString& text)
{
    static const QRegularExpression mnemonicInBrackets(QStringLiteral("\\(&.\\)"));
    QString name = text;
    name.remove(mnemonicInBrackets);
    name.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    name.remove(u'&');
    name.replace(u'\x01', u'&');
    name.replace(u'\t', u' ');
    return name.simplified();
}

void NamePlainly(QWidget* widget, const QString& text)
{
    widget->setAccessibleName(PlainName(text));
}

void Announce(QWidget* widget, const QString& text)
{
    if (!widget)
        return;
    // setAccessibleName sends the name-changed event itself; the same text
    // again is sent too, so a repeated outcome is heard again.
    if (widget->accessibleName() == text) {
        QAccessibleEvent event(widget, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
        return;
    }
    widget->setAccessibleName(text);
}

void AnnounceFocus(QObject* object, int child)
{
    if (!object)
        return;
    QAccessibleEvent event(object, QAccessible::Focus);
    event.setChild(child);
    QAccessible::updateAccessibility(&event);
}
