#include "StartUp.h"

#include "PortChoice.h"
#include "base/ProgramState.h"
#include "link/Frames.h"

#include <QCoreApplication>
#include <QDir>

void InitProgramState(const PortChoice& ports)
{
    AppDir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    if (OpenRadioPort(ports.Device(PortName)))
        CloseRadioPort();
}
