// The Windows build as a Windows user gets it, run under Wine. fane5-cli.exe
// from the zip talks to the simulated radio on a pseudo-terminal that Wine
// maps to COM7, and each case runs the same way with this build's fane5-cli:
// files, messages and exit codes must be the same. The programs' and the
// installer's icon and version as Explorer shows them. Then the installer, the
// installed fane5.exe under Xvfb, started as its file association starts it
// and driven by keys, and the uninstaller. Skipped, and says why, when the
// Windows build or the tools to run it are missing (`make windows-test`).
#include "channels/ChannelCodec.h"
#include "channels/ChannelFile.h"
#include "channels/ToneList.h"
#include "options/OptionFile.h"
#include "options/OptionFrame.h"
#include "sim/SimRadio.h"
#include "tests/TemporaryHome.h"
#include "tests/channels/RandomChannels.h"

#include <QtTest>
#include <QScopeGuard>

namespace {

constexpr int ProcessMs = 120000;
constexpr int WindowMs = 60000;  // a deadline for what a window shows, not a speed

struct Run {
    int Exit = -1;
    QString Out;
    QStringList Err;
};

Run Execute(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
            const QString& folder = QString())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!process.waitForFinished(ProcessMs)) {
        process.kill();
        process.waitForFinished();
    }
    Run run;
    run.Exit = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    // A Windows console program ends its lines with CR LF.
    run.Out = QString::fromLocal8Bit(process.readAllStandardOutput()).remove(u'\r');
    run.Err = QString::fromLocal8Bit(process.readAllStandardError()).remove(u'\r').split(u'\n', Qt::SkipEmptyParts);
    return run;
}

// Polls until `done` holds or the deadline (generous: a window's work, not
// its speed) passes.
bool WaitUntil(const std::function<bool()>& done, int ms = WindowMs)
{
    const QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(200);
    }
    return true;
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ImageBytes(const MemoryImageBytes& image)
{
    return QByteArray(reinterpret_cast<const char*>(image.data()), int(image.size()));
}

// The two regions a channel transfer moves.
QByteArray ChannelRegions(const QByteArray& image)
{
    return image.mid(0x0000, 0x800) + image.mid(0x1000, 0x800);
}

// A Wine prefix of the test's own. COM7 is RadioLink(), a link each case
// points at its radio's pseudo-terminal. COM1..COM9 besides hold no port,
// so Wine numbers the machine's own serial ports above them: a program's
// first look at COM1 must not reach an idle UART, where Wine's wait for a
// serial event never returns.
class WinePrefix {
public:
    bool Create(const QString& path, QString& error)
    {
        path_ = path;
        env_ = QProcessEnvironment::systemEnvironment();
        env_.insert(QStringLiteral("WINEPREFIX"), path);
        env_.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
        env_.remove(QStringLiteral("QT_QPA_PLATFORM"));  // offscreen hangs under Wine: Qt's own windows platform
        env_.remove(QStringLiteral("WINEPATH"));         // DLLs only from beside the programs
        env_.remove(QStringLiteral("DISPLAY"));
        QStringList steps = {QStringLiteral("wineboot --init"),
                             QStringLiteral("reg add HKLM\\Software\\Wine\\Ports /v COM7 /d %1 /f").arg(RadioLink())};
        for (int n = 1; n <= 9; ++n) {
            if (n != 7)
                steps << QStringLiteral("reg add HKLM\\Software\\Wine\\Ports /v COM%1 /d \"\" /f").arg(n);
        }
        for (const QString& step : steps) {
            const Run run = Wine(QProcess::splitCommand(step));
            if (run.Exit != 0) {
                error = QStringLiteral("wine %1: exit %2 %3").arg(step).arg(run.Exit).arg(run.Err.join(u' '));
                return false;
            }
        }
        Stop();  // Wine reads its ports when it starts
        return true;
    }
    Run Wine(const QStringList& arguments, const QString& folder = QString()) const
    {
        return Execute(QStringLiteral("wine"), arguments, env_, folder);
    }
    void Stop() const { Execute(QStringLiteral("wineserver"), {QStringLiteral("-k")}, env_); }
    // Wine's desktop process takes the display of the first program of a
    // session: every program runs with this one (none: empty) from a fresh
    // session on.
    void UseDisplay(const QString& display)
    {
        Stop();
        if (display.isEmpty())
            env_.remove(QStringLiteral("DISPLAY"));
        else
            env_.insert(QStringLiteral("DISPLAY"), display);
    }
    QProcessEnvironment Environment() const { return env_; }
    QString RadioLink() const { return path_ + QStringLiteral("/radio"); }
    // COM7 leads to `device` until the guard returned goes: then to nothing,
    // before the radio stops, since its pseudo-terminal's number is soon
    // another test's, and Wine may open COM7 on its own.
    [[nodiscard]] auto PointAt(const QString& device) const
    {
        QFile::remove(RadioLink());
        QFile::link(device, RadioLink());
        return qScopeGuard([this] { QFile::remove(RadioLink()); });
    }
    // The Unix folder of C:\users\<the user>.
    QString UserFolder() const
    {
        const QDir users(path_ + QStringLiteral("/drive_c/users"));
        QStringList names = users.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        names.removeAll(QStringLiteral("Public"));
        return users.filePath(names.value(0));
    }
    // `reg query`: the value's line ("portitm REG_DWORD 0x6"), simplified;
    // an empty name asks for the key's default value.
    QString Registry(const QString& key, const QString& value = QString()) const
    {
        const QStringList which = value.isEmpty() ? QStringList{QStringLiteral("/ve")}
                                                  : QStringList{QStringLiteral("/v"), value};
        const Run run = Wine(QStringList{QStringLiteral("reg"), QStringLiteral("query"), key} + which);
        const QString name = value.isEmpty() ? QStringLiteral("(Default)") : value;
        for (const QString& line : run.Out.split(u'\n')) {
            if (line.trimmed().startsWith(name + u' '))
                return line.simplified();
        }
        return QString();
    }
    bool HasKey(const QString& key) const
    {
        return Wine({QStringLiteral("reg"), QStringLiteral("query"), key}).Exit == 0;
    }
    QString WindowsPath(const QString& unixPath) const
    {
        return Execute(QStringLiteral("winepath"), {QStringLiteral("-w"), unixPath}, env_).Out.trimmed();
    }

private:
    QString path_;
    QProcessEnvironment env_;
};

// Xvfb with openbox on a display of its own, for fane5.exe.
class Display {
public:
    ~Display()
    {
        for (QProcess* process : {&windowManager_, &server_}) {
            process->terminate();
            process->waitForFinished();
        }
    }
    bool Start()
    {
        int n = 90;
        while (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n))
               || QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
            ++n;
        name_ = QStringLiteral(":%1").arg(n);
        server_.start(QStringLiteral("Xvfb"), {name_, QStringLiteral("-screen"), QStringLiteral("0"),
                                              QStringLiteral("1366x768x24"), QStringLiteral("-nolisten"),
                                              QStringLiteral("tcp")});
        if (!server_.waitForStarted())
            return false;
        QDeadlineTimer deadline(WindowMs);
        while (!QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) && !deadline.hasExpired())
            QThread::msleep(50);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), name_);
        windowManager_.setProcessEnvironment(environment);
        windowManager_.start(QStringLiteral("openbox"), QStringList());
        return server_.state() == QProcess::Running && windowManager_.waitForStarted();
    }
    QString Name() const { return name_; }
    Run Xdotool(const QStringList& arguments) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), name_);
        return Execute(QStringLiteral("xdotool"), arguments, environment);
    }
    // The visible top-level windows of fane5.exe: the main window and its message boxes.
    int ProgramWindows() const
    {
        const Run run = Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--class"),
                                 QStringLiteral("fane5.exe")});
        return int(run.Out.split(u'\n', Qt::SkipEmptyParts).size());
    }
    // The program's only window gets the keyboard.
    void ActivateProgram() const
    {
        Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--class"),
                 QStringLiteral("fane5.exe"), QStringLiteral("windowactivate"), QStringLiteral("--sync")});
    }
    void Keys(const QString& keys) const
    {
        Xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("200")}
                + keys.split(u' '));
    }

private:
    QString name_;
    QProcess server_, windowManager_;
};

// A Windows program on a display of its own, with Wine's desktop there. It
// ends, by itself or ended by Wine, before the display goes.
class ProgramOnDisplay {
public:
    explicit ProgramOnDisplay(WinePrefix& wine) : wine_(wine) {}
    ~ProgramOnDisplay()
    {
        wine_.UseDisplay(QString());
        program_.waitForFinished();
    }
    bool Start(const QStringList& command)
    {
        if (!display_.Start())
            return false;
        wine_.UseDisplay(display_.Name());
        program_.setProcessEnvironment(wine_.Environment());
        program_.start(QStringLiteral("wine"), command);
        return program_.waitForStarted();
    }
    const Display& Screen() const { return display_; }
    QProcess& Process() { return program_; }

private:
    WinePrefix& wine_;
    Display display_;
    QProcess program_;
};

// A string of a program's version resource, as Explorer shows it, through
// wrestool (icoutils): the resource holds each key and its value in UTF-16,
// each ended by a NUL, the value after padding to four bytes.
QString VersionValue(const QString& program, const QString& key)
{
    QProcess wrestool;
    wrestool.start(QStringLiteral("wrestool"),
                   {QStringLiteral("--extract"), QStringLiteral("--raw"), QStringLiteral("--type=16"), program});
    if (!wrestool.waitForFinished(ProcessMs))
        return QStringLiteral("(wrestool did not end)");
    const QByteArray raw = wrestool.readAllStandardOutput();
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(raw.constData()), raw.size() / 2);
    const QRegularExpression value(QRegularExpression::escape(key) + QStringLiteral("\\x{0}+([^\\x{0}]+)"));
    return value.match(text).captured(1);
}

// The newest radio history entry of a kind ("read", "write") in a folder.
QString HistoryImage(const QString& folder, const QString& kind)
{
    const QStringList images = QDir(folder).entryList({QStringLiteral("*-%1.img").arg(kind)}, QDir::Files,
                                                       QDir::Name | QDir::Reversed);
    return images.isEmpty() ? QString() : QDir(folder).filePath(images.first());
}

// Presses `key` until the program shows a box: Wine may hand the keyboard
// to a window that was just activated after the first press has gone. A
// press while the transfer runs is ignored by the program, one on the box by
// the box.
bool KeyUntilBox(const Display& display, const QString& key)
{
    return WaitUntil([&] {
        display.Keys(key);
        return WaitUntil([&] { return display.ProgramWindows() == 2; }, 10000);
    });
}

} // namespace

class TestWine : public QObject {
    Q_OBJECT
    TemporaryHome home_;
    QTemporaryDir work_;
    QString programs_;  // the unpacked zip's program folder
    QString version_;   // what the zip's fane5-cli.exe --version reports
    WinePrefix wine_;
    bool installed_ = false;

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cliAsOnLinux_data();
    void cliAsOnLinux();
    void programsCarryIconAndVersion_data();
    void programsCarryIconAndVersion();
    void installerInstallsForTheUser();
    void windowReadsAndWritesThroughCom7();
    void windowWorksWithTheDemoRadio();
    void uninstallerRemovesWhatWasInstalled();

private:
    void ReadWriteAndClose(ProgramOnDisplay& window, QByteArray& read, QByteArray& written);
    QString HistoryFolder() const { return wine_.UserFolder() + QStringLiteral("/AppData/Local/fane5/history"); }
    QString InstallFolder() const { return wine_.UserFolder() + QStringLiteral("/AppData/Local/Programs/FANE5"); }
    QString StartMenuEntry() const
    {
        return wine_.UserFolder()
             + QStringLiteral("/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/FANE5 Programmer.lnk");
    }
};

void TestWine::initTestCase()
{
    QCoreApplication::setApplicationName(QStringLiteral("fane5"));
    const QString zip = QStringLiteral(FANE5_WINDOWS_ZIP);
    if (!QFile::exists(zip) || !QFile::exists(QStringLiteral(FANE5_WINDOWS_SETUP)))
        QSKIP(qPrintable(QStringLiteral("SKIPPED: no Windows build (%1); `make windows-test` makes it and runs "
                                        "these tests").arg(zip)));
    QStringList missing;
    for (const char* tool : {"wine", "wineserver", "winepath", "Xvfb", "openbox", "xdotool"}) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            missing << QLatin1String(tool);
    }
    if (!missing.isEmpty())
        QSKIP(qPrintable(QStringLiteral("SKIPPED: %1 missing; `make windows-test` installs them and runs these tests")
                             .arg(missing.join(QStringLiteral(", ")))));

    QVERIFY(work_.isValid());
    const Run unzip = Execute(QStringLiteral(FANE5_CMAKE), {QStringLiteral("-E"), QStringLiteral("tar"),
                                                           QStringLiteral("xf"), zip},
                              QProcessEnvironment::systemEnvironment(), work_.path());
    QCOMPARE(unzip.Exit, 0);
    programs_ = work_.filePath(QFileInfo(zip).completeBaseName());
    QVERIFY(QFile::exists(programs_ + QStringLiteral("/fane5-cli.exe")));
    QString error;
    QVERIFY2(wine_.Create(work_.filePath(QStringLiteral("prefix")), error), qPrintable(error));
    version_ = wine_.Wine({programs_ + QStringLiteral("/fane5-cli.exe"), QStringLiteral("--version")})
                   .Out.trimmed()
                   .section(u' ', 1);
}

void TestWine::cleanupTestCase()
{
    wine_.Stop();
}

// Each case: the same radio (memory, options, fault) for each program, the
// same files in a folder of its own, named relative to it.
void TestWine::cliAsOnLinux_data()
{
    QTest::addColumn<QStringList>("arguments");  // PORT stands for the radio's port
    QTest::addColumn<QString>("fault");          // silent, wrong reply, short reply
    QTest::addColumn<QString>("output");         // the file to compare, if any
    QTest::addColumn<QString>("windowsOutput");  // what Windows gets for the Linux output, when it differs
    QTest::addColumn<int>("exit");

    const QString none;
    QTest::newRow("read") << QStringList{"read", "--port", "PORT", "--out", "radio.chnw"} << none << "radio.chnw"
                          << none << 0;
    QTest::newRow("dump") << QStringList{"dump", "--port", "PORT", "--out", "radio.img"} << none << "radio.img"
                          << none << 0;
    QTest::newRow("write --verify") << QStringList{"write", "--port", "PORT", "--in", "in.chnw", "--verify"} << none
                                    << none << none << 0;
    QTest::newRow("read-options") << QStringList{"read-options", "--port", "PORT", "--out", "radio.optw"} << none
                                  << "radio.optw" << none << 0;
    QTest::newRow("write-options --verify")
        << QStringList{"write-options", "--port", "PORT", "--in", "in.optw", "--verify"} << none << none << none << 0;
    QTest::newRow("no answer") << QStringList{"read", "--port", "PORT", "--out", "radio.chnw"} << "silent"
                               << "radio.chnw" << none << 1;
    QTest::newRow("wrong handshake reply") << QStringList{"read-options", "--port", "PORT", "--out", "radio.optw"}
                                           << "wrong reply" << "radio.optw" << none << 1;
    QTest::newRow("short reply block") << QStringList{"dump", "--port", "PORT", "--out", "radio.img"}
                                       << "short reply" << "radio.img" << none << 1;
    // Code page 936 needs Windows' own converter there (Qt has none without ICU).
    QTest::newRow("the code-page-936 off word") << QStringList{"encode", "cn.chnw", "--out", "cn.img"} << none
                                                << "cn.img" << none << 0;
    for (const char* device : {"NUL", "CON", "COM1", "lpt1.txt", "\\\\.\\COM7"})
        QTest::newRow(qPrintable(QStringLiteral("output %1 is a device").arg(QLatin1String(device))))
            << QStringList{"decode", "in.img", "--out", "/dev/null"} << none << none << device << 2;
}

void TestWine::cliAsOnLinux()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, fault);
    QFETCH(QString, output);
    QFETCH(QString, windowsOutput);
    QFETCH(int, exit);

    QRandomGenerator random(31);
    const QByteArray image = ImageBytes(RandomChannelImage(random));
    ChannelTable table = RandomChannelTable(random);
    MemoryImageBytes written;
    StoreChannelsToImage(table, written);
    ChannelTable chinese = table;  // decode tones off as files from Chinese Windows write it
    for (int row = 1; row <= 10; ++row)
        chinese.SetText(row, ColDecodeTone, OffWordCp936.toString());
    OptionValues options = DesignOptionValues();
    options.at[0] = 42;
    struct Side {
        QTemporaryDir folder;
        SimRadio radio;
        Run run;
    } onLinux, onWindows;
    for (Side* side : {&onLinux, &onWindows}) {
        SimConfig config;
        config.silent = fault == "silent";
        config.wrongReply = fault == "wrong reply";
        config.shortReplyAt = fault == "short reply" ? 3 : -1;
        QVERIFY(side->radio.Start(config));
        side->radio.SetImageBytes(image);
        side->radio.SetOptionBytes(FrameFromOptions(DesignOptionValues()));
        const QDir folder(side->folder.path());
        QVERIFY(!WriteChannelFile(folder.filePath("in.chnw"), table, ChannelTable::RowCount, "tes").Failure);
        QString error;
        QVERIFY(WriteOptionFile(folder.filePath("in.optw"), options, error));
        QVERIFY(WriteAll(folder.filePath("in.img"), ImageBytes(written)));
        QVERIFY(!WriteChannelFile(folder.filePath("cn.chnw"), chinese, ChannelTable::RowCount, "tes").Failure);
    }

    QStringList linuxArguments = arguments;
    linuxArguments.replaceInStrings(QRegularExpression("^PORT$"), onLinux.radio.DevicePath());
    onLinux.run = Execute(QStringLiteral(FANE5_CLI_PATH), linuxArguments, QProcessEnvironment::systemEnvironment(),
                          onLinux.folder.path());

    QStringList windowsArguments = arguments;
    windowsArguments.replaceInStrings(QRegularExpression("^PORT$"), QStringLiteral("COM7"));
    if (!windowsOutput.isEmpty())
        windowsArguments.replaceInStrings(QRegularExpression("^/dev/null$"), windowsOutput);
    const auto comPort = wine_.PointAt(onWindows.radio.DevicePath());
    onWindows.run = wine_.Wine(QStringList{programs_ + QStringLiteral("/fane5-cli.exe")} + windowsArguments,
                               onWindows.folder.path());
    if (!windowsOutput.isEmpty())
        onWindows.run.Err.replaceInStrings(windowsOutput, QStringLiteral("/dev/null"));

    QCOMPARE(onLinux.run.Exit, exit);
    QCOMPARE(onWindows.run.Exit, onLinux.run.Exit);
    QCOMPARE(onWindows.run.Err, onLinux.run.Err);
    QCOMPARE(onWindows.run.Out, onLinux.run.Out);
    if (!output.isEmpty()) {
        QCOMPARE(QFile::exists(QDir(onWindows.folder.path()).filePath(output)),
                 QFile::exists(QDir(onLinux.folder.path()).filePath(output)));
        QCOMPARE(ReadAll(QDir(onWindows.folder.path()).filePath(output)),
                 ReadAll(QDir(onLinux.folder.path()).filePath(output)));
    }
    QCOMPARE(onWindows.radio.ImageBytes(), onLinux.radio.ImageBytes());
    QVERIFY(onWindows.radio.OptionBytes() == onLinux.radio.OptionBytes());
    QCOMPARE(onWindows.radio.Handshakes(), onLinux.radio.Handshakes());
}

// Each program, and the installer, carries the icon and a version resource
// with the version the programs report.
void TestWine::programsCarryIconAndVersion_data()
{
    QTest::addColumn<QString>("file");  // in the zip's program folder; empty: the installer
    QTest::addColumn<QString>("description");
    QTest::newRow("fane5.exe") << "fane5.exe" << "FANE5 Programmer";
    QTest::newRow("fane5-cli.exe") << "fane5-cli.exe" << "FANE5 Programmer on the command line";
    QTest::newRow("installer") << QString() << "FANE5 Programmer setup";
}

void TestWine::programsCarryIconAndVersion()
{
    QFETCH(QString, file);
    QFETCH(QString, description);
    if (QStandardPaths::findExecutable(QStringLiteral("wrestool")).isEmpty())
        QSKIP("wrestool (Debian package icoutils) is missing; `make windows-test` installs it");
    const QString program = file.isEmpty() ? QStringLiteral(FANE5_WINDOWS_SETUP) : programs_ + u'/' + file;
    const Run resources = Execute(QStringLiteral("wrestool"), {QStringLiteral("--list"), program},
                                  QProcessEnvironment::systemEnvironment());
    QVERIFY2(resources.Out.contains(QStringLiteral("type=group_icon")), qPrintable(resources.Out));
    QVERIFY(!version_.isEmpty());
    QCOMPARE(VersionValue(program, QStringLiteral("ProductVersion")), version_);
    QCOMPARE(VersionValue(program, QStringLiteral("FileVersion")), version_);
    QCOMPARE(VersionValue(program, QStringLiteral("FileDescription")), description);
}

// Silent, for the user alone: the program folder under the user's local
// application data, the Start menu entry, .chnw and .optw opening in
// fane5.exe, the entry under Apps with the program's icon and version;
// nothing for all users.
void TestWine::installerInstallsForTheUser()
{
    const Run install = wine_.Wine({QStringLiteral(FANE5_WINDOWS_SETUP), QStringLiteral("/S")});
    QCOMPARE(install.Exit, 0);
    for (const char* file : {"fane5.exe", "fane5-cli.exe", "Spl.dat", "bkg.dat", "platforms/qwindows.dll",
                             "Qt6Core.dll", "libstdc++-6.dll", "uninstall.exe"})
        QVERIFY2(QFile::exists(InstallFolder() + u'/' + QLatin1String(file)), file);
    QVERIFY(QFile::exists(StartMenuEntry()));
    const QString program = wine_.WindowsPath(InstallFolder() + QStringLiteral("/fane5.exe"));
    for (const char* type : {"chnw", "optw"}) {
        const QString key = QStringLiteral("HKCU\\Software\\Classes\\.%1").arg(QLatin1String(type));
        QCOMPARE(wine_.Registry(key),
                 QStringLiteral("(Default) REG_SZ fane5.%1").arg(QLatin1String(type)));
        QCOMPARE(wine_.Registry(QStringLiteral("HKCU\\Software\\Classes\\fane5.%1\\shell\\open\\command")
                                    .arg(QLatin1String(type))),
                 QStringLiteral("(Default) REG_SZ \"%1\" \"%2\"").arg(program, QStringLiteral("%1")));
    }
    const QString entry = QStringLiteral("HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\fane5");
    QVERIFY(wine_.Registry(entry, QStringLiteral("UninstallString")).contains(QStringLiteral("uninstall.exe")));
    QCOMPARE(wine_.Registry(entry, QStringLiteral("DisplayIcon")), QStringLiteral("DisplayIcon REG_SZ ") + program);
    QCOMPARE(wine_.Registry(entry, QStringLiteral("DisplayVersion")),
             QStringLiteral("DisplayVersion REG_SZ ") + version_);
    QVERIFY(!wine_.HasKey(QStringLiteral("HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\fane5")));
    QCOMPARE(wine_.Wine({InstallFolder() + QStringLiteral("/fane5-cli.exe"), QStringLiteral("--help")}).Exit, 0);
    installed_ = true;
}

// In the channel window: Read (F5) and Write (F6, verify after write on),
// each answered by its message box, then the main window closed, which waits
// for the verify read. `read` and `written` get the images the radio history
// kept.
void TestWine::ReadWriteAndClose(ProgramOnDisplay& window, QByteArray& read, QByteArray& written)
{
    const Display& display = window.Screen();
    QVERIFY(KeyUntilBox(display, QStringLiteral("F5")));  // "Recive data complete!"
    display.Keys(QStringLiteral("Return"));
    QVERIFY(WaitUntil([&] { return display.ProgramWindows() == 1; }));
    const QByteArray shot = qgetenv("FANE5_WINE_SCREENSHOT");
    if (!shot.isEmpty())
        Execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), QString::fromLocal8Bit(shot)},
                wine_.Environment());
    QVERIFY(KeyUntilBox(display, QStringLiteral("F6")));  // "Translate data complete!"
    display.Keys(QStringLiteral("Return"));
    QVERIFY(WaitUntil([&] { return display.ProgramWindows() == 1; }));
    display.Keys(QStringLiteral("alt+F4"));
    QVERIFY(window.Process().waitForFinished(WindowMs));
    QCOMPARE(window.Process().exitCode(), 0);
    read = ReadAll(HistoryImage(HistoryFolder(), QStringLiteral("read")));
    written = ReadAll(HistoryImage(HistoryFolder(), QStringLiteral("write")));
    QVERIFY(HistoryImage(HistoryFolder(), QStringLiteral("verify")).isEmpty());
}

// The installed program started as a double-click on a channel file starts
// it, under Xvfb: the file opens in the channel window; Port > Com7 is
// stored in the registry as designed; Read and Write (with the verify read)
// go to the radio on COM7 and the radio history keeps both images.
void TestWine::windowReadsAndWritesThroughCom7()
{
    if (!installed_)
        QSKIP("the installer did not run");
    QRandomGenerator random(37);
    const QByteArray image = ImageBytes(RandomChannelImage(random));
    SimRadio radio;
    QVERIFY(radio.Start({}));
    radio.SetImageBytes(image);
    const auto comPort = wine_.PointAt(radio.DevicePath());
    QDir(HistoryFolder()).removeRecursively();
    const QString start = QDir(work_.path()).filePath(QStringLiteral("start.chnw"));
    QVERIFY(!WriteChannelFile(start, ChannelTable(), 100, QStringLiteral("tes")).Failure);

    // The association's command, with the file for %1.
    QStringList command = QProcess::splitCommand(
        wine_.Registry(QStringLiteral("HKCU\\Software\\Classes\\fane5.chnw\\shell\\open\\command"))
            .section(QStringLiteral(" REG_SZ "), 1));
    command.replaceInStrings(QStringLiteral("%1"), wine_.WindowsPath(start));
    QVERIFY2(command.size() == 2, qPrintable(command.join(u'|')));
    ProgramOnDisplay window(wine_);
    QVERIFY(window.Start(command));
    const Display& display = window.Screen();

    // The main window, and the file in the channel window (a recent file now).
    QVERIFY(WaitUntil([&] { return display.ProgramWindows() == 1; }));
    QVERIFY(WaitUntil([&] {
        return wine_.Registry(QStringLiteral("HKCU\\Software\\fane5\\fane5"), QStringLiteral("RecentFiles"))
            .contains(QStringLiteral("start.chnw"));
    }));

    // Port > Com7: the Port menu is the one to the right of View; 7 is Com&7.
    // A busy machine may show a menu after the next key has gone: then again.
    display.ActivateProgram();
    QVERIFY(WaitUntil([&] {
        display.Keys(QStringLiteral("Escape Escape alt+v Right 7"));
        return WaitUntil(
            [&] {
                return wine_.Registry(QStringLiteral("HKCU\\KVR\\Vimo\\PortSet"), QStringLiteral("portitm"))
                    == QStringLiteral("portitm REG_DWORD 0x6");
            },
            5000);
    }));

    QByteArray read, written;
    ReadWriteAndClose(window, read, written);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(ChannelRegions(read), ChannelRegions(image));
    QCOMPARE(ChannelRegions(written), ChannelRegions(image));
    QCOMPARE(ChannelRegions(radio.ImageBytes()), ChannelRegions(image));
    QCOMPARE(radio.Handshakes(), 3);  // read, write, verify
}

// fane5.exe --demo: the radio inside the program answers the channel
// window's Read and Write.
void TestWine::windowWorksWithTheDemoRadio()
{
    if (!installed_)
        QSKIP("the installer did not run");
    QDir(HistoryFolder()).removeRecursively();
    const QString start = QDir(work_.path()).filePath(QStringLiteral("demo.chnw"));
    QVERIFY(!WriteChannelFile(start, ChannelTable(), 100, QStringLiteral("tes")).Failure);
    ProgramOnDisplay window(wine_);
    QVERIFY(window.Start({InstallFolder() + QStringLiteral("/fane5.exe"), QStringLiteral("--demo"),
                          wine_.WindowsPath(start)}));
    QVERIFY(WaitUntil([&] { return window.Screen().ProgramWindows() == 1; }));
    QVERIFY(WaitUntil([&] {
        return wine_.Registry(QStringLiteral("HKCU\\Software\\fane5\\fane5"), QStringLiteral("RecentFiles"))
            .contains(QStringLiteral("demo.chnw"));
    }));
    window.Screen().ActivateProgram();
    QByteArray read, written;
    ReadWriteAndClose(window, read, written);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(ChannelRegions(written), ChannelRegions(read));
    const QString readFile = HistoryImage(HistoryFolder(), QStringLiteral("read")).replace(QStringLiteral(".img"),
                                                                                             QStringLiteral(".chnw"));
    QVERIFY(ReadAll(readFile).contains("\r\nDEMO01\r\n"));
}

// Everything the installer put there goes; the user's settings and radio
// history stay.
void TestWine::uninstallerRemovesWhatWasInstalled()
{
    if (!installed_)
        QSKIP("the installer did not run");
    // The uninstaller runs on from a copy of itself and returns at once; its
    // entry under Apps goes last.
    QCOMPARE(wine_.Wine({InstallFolder() + QStringLiteral("/uninstall.exe"), QStringLiteral("/S")}).Exit, 0);
    QVERIFY(WaitUntil([&] {
        return !wine_.HasKey(QStringLiteral("HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\fane5"));
    }));
    QVERIFY(!QFileInfo::exists(InstallFolder()));
    QVERIFY(!QFile::exists(StartMenuEntry()));
    for (const char* key : {"HKCU\\Software\\Classes\\.chnw", "HKCU\\Software\\Classes\\fane5.optw"})
        QVERIFY2(!wine_.HasKey(QLatin1String(key)), key);
    QVERIFY(wine_.HasKey(QStringLiteral("HKCU\\KVR\\Vimo\\PortSet")));
}

QTEST_GUILESS_MAIN(TestWine)
#include "tst_wine.moc"
