#include "QtOptions.h"

#include <QCommandLineParser>

namespace {

// QGuiApplication's, the X11 window system's and QApplication's own.
const char* const ValueOptions[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "geometry",
    "qwindowtitle", "title", "qwindowicon", "icon", "session", "display", "name", "visual",
    "style", "stylesheet", "qmljsdebugger",
};
const char* const FlagOptions[] = {"reverse", "testability", "dograb", "nograb", "widgetcount"};

void AddHidden(QCommandLineParser& parser, const char* name, const QString& valueName)
{
    QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

} // namespace

void AddQtOptions(QCommandLineParser& parser)
{
    // Qt's options are single-dash words: "-platform offscreen".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* name : ValueOptions)
        AddHidden(parser, name, QStringLiteral("value"));
    for (const char* name : FlagOptions)
        AddHidden(parser, name, QString());
}
