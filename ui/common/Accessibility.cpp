#include "Accessibility.h"

#include "SpokenCommands.h"
#include "SpokenList.h"

#include <QRegularExpression>
#include <QWidget>

QString SpokenListName(const QString& name, const QString& value)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)  // where screen readers read AT-SPI
    return value.isEmpty() ? name : name + QStringLiteral(", ") + value;
#else
    Q_UNUSED(value);
    return name;
#endif
}

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

// A Qt built without accessibility (the Windows build here) has no names
// to give: the functions below then do nothing.
#if QT_CONFIG(accessibility)
#include <QAccessible>
#include <QAccessibleWidget>

namespace {

// On Linux Qt names a drop-down list by its value and leaves what it sets
// to a label relation, which a list laid over a grid cell, or a hidden one,
// does not have: a list given a name keeps it. AT-SPI carries no value for
// a list, only its name, which Qt sends again with each new value: there
// the value follows the name ("Volume, 5"), so that it is heard.
class NamedList : public QAccessibleWidget {
public:
    explicit NamedList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        auto* list = static_cast<QComboBox*>(widget());
        const QString name = list->accessibleName(), value = list->currentText();
        if (t == QAccessible::Value || (t == QAccessible::Name && name.isEmpty()))
            return value;
        if (t == QAccessible::Name)
            return SpokenListName(name, value);
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* NamedListFactory(const QString& className, QObject* object)
{
    auto* list = qobject_cast<SpokenList*>(object);
    if (!list)
        return nullptr;  // Qt's own interface serves the other lists
    Q_UNUSED(className);
    return new NamedList(list);
}

} // namespace

void InstallSpokenNames()
{
    static const bool installed = [] {
        QAccessible::installFactory(NamedListFactory);
        QAccessible::installFactory(SpokenCommandFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void NameControl(QWidget* widget, const QString& name)
{
    InstallSpokenNames();
    widget->setAccessibleName(name);
}

void DescribeControl(QWidget* widget, const QString& description)
{
    widget->setAccessibleDescription(description);
}
#else
void InstallSpokenNames() {}
void NameControl(QWidget*, const QString&) {}
void DescribeControl(QWidget*, const QString&) {}
#endif
