#pragma once
// The options that Qt itself takes from the command line (-platform,
// -style, ...). The QApplication takes them out when it is made; knowing
// them lets the command line be checked before that, without a display.
class QCommandLineParser;

// Adds them to `parser`, hidden from --help (Qt's --help-all lists them).
void AddQtOptions(QCommandLineParser& parser);
