#include "UserSettings.h"

#include <QSettings>

namespace {

const QString VerifyKey = QStringLiteral("VerifyAfterWrite");

QSettings Store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("fane5"), QStringLiteral("fane5"));
}

} // namespace

bool VerifyAfterWrite()
{
    return Store().value(VerifyKey, true).toBool();
}

void SetVerifyAfterWrite(bool on)
{
    Store().setValue(VerifyKey, on);
}
