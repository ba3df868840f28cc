#include "StartUp.h"

#include "PortChoice.h"
#include "base/ProgramState.h"
#include "link/LineProbe.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// Long enough for a port that opens at all; short enough that a start-up
// held by a port that never opens still feels like a start-up.
constexpr std::chrono::milliseconds StartUpProbeBound{2000};

} // namespace

void InitProgramFolders()
{
    AppDir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    DataDir = QDir::toNativeSeparators(
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/" FANE5_INSTALLED_DATA_DIR))
        + QLatin1Char('/'));
}

void InitProgramState(const PortChoice& ports)
{
    InitProgramFolders();
    ProbeLine(ports.Line(PortName), StartUpProbeBound);  // the outcome ignored, given up or not
}
