#include "ProgramState.h"

int DeviceType = 0;
long double Band1Low = 0, Band1High = 0, Band2Low = 0, Band2High = 0;
QString PortName = QStringLiteral("com1");
bool TransferBusy = false;
unsigned OpenWindows = 0;
QString AppDir;
QString DataDir;
