#include "StartUp.h"

#include "PortChoice.h"
#include "base/ProgramState.h"
#include "link/Frames.h"

#include <QCoreApplication>
#include <QDir>

void InitProgramState(const PortChoice& ports)
{
    AppDir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    DataDir = QDir::toNativeSeparators(
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/" FANE5_INSTALLED_DATA_DIR))
        + QLatin1Char('/'));
    if (OpenRadioPort(ports.Device(PortName)))
        CloseRadioPort();
}
