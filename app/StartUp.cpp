#include "StartUp.h"

#include "PortChoice.h"
#include "base/ProgramState.h"
#include "link/SerialLine.h"

#include <QCoreApplication>
#include <QDir>

void InitProgramState(const PortChoice& ports)
{
    AppDir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    DataDir = QDir::toNativeSeparators(
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/" FANE5_INSTALLED_DATA_DIR))
        + QLatin1Char('/'));
    SerialLine probe(ports.Device(PortName));
    probe.Open(nullptr);  // closed again as it goes
}
