#include "StartUp.h"

#include "Frames.h"
#include "ProgramState.h"

#include <QCoreApplication>
#include <QDir>

void InitProgramState()
{
    AppDir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    if (OpenRadioPort(PortName))
        CloseRadioPort();
}
