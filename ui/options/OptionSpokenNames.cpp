#include "OptionSpokenNames.h"

#include "ui/common/Accessibility.h"

#include <QHash>

QString SpokenOptionName(const QString& objectName, const QString& caption)
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("ComboBox1"), QStringLiteral("Current channel")},
        {QStringLiteral("ComboBox2"), QStringLiteral("CTCSS tone")},
        {QStringLiteral("ComboBox3"), QStringLiteral("DCS code")},
        {QStringLiteral("ComboBox5"), QStringLiteral("Repeater")},
        {QStringLiteral("ComboBox8"), QStringLiteral("Backlight level")},
        {QStringLiteral("ComboBox7"), QStringLiteral("Volume")},
        {QStringLiteral("ComboBox4"), QStringLiteral("Squelch level")},
        {QStringLiteral("ComboBox6"), QStringLiteral("Priority channel scan")},
        {QStringLiteral("ComboBox9"), QStringLiteral("Time-out pre-alert, seconds")},
        {QStringLiteral("ComboBox10"), QStringLiteral("Time-out timer, seconds")},
        {QStringLiteral("ComboBox11"), QStringLiteral("Beep volume")},
        {QStringLiteral("CheckBox4"), QStringLiteral("LCD ceiling mounting")},
        {QStringLiteral("CheckBox6"), QStringLiteral("Key lock")},
        {QStringLiteral("CheckBox1"), QStringLiteral("High transmit power")},
    };
    return names.value(objectName, PlainName(caption));
}
