#include "languagestr.h"

namespace languagestr {

const QString ReciveComplete = QStringLiteral("Recive data complete!");
const QString TranslateComplete = QStringLiteral("Translate data complete!");
const QString DeviceUnconnect = QStringLiteral("Device unconnect or device on booting,please wait a minute,then try again!");
const QString OpenPortFaild = QStringLiteral("Open port faild!");
const QString DeviceNoConnectRetry = QStringLiteral("Device no connect,Try again?");
const QString DataCrcFaild = QStringLiteral("Data Crc Faild,");
const QString ConnectCrcFaild = QStringLiteral("Connect Crc faild code:");
const QString PortOperateOut = QStringLiteral("Error port operate out!");
const QString BadFileType = QStringLiteral("Bad read in file type!");
const QString Information = QStringLiteral("Information");
const QString DeviceNoConnectNow = QStringLiteral("Device no connect,connect now?");
const QString OverflowChanged = QStringLiteral("Overflow,auto change to connect value!");

const QString MenuFile = QStringLiteral("&File");
const QString MenuNew = QStringLiteral("New(&N)");
const QString MenuOpen = QStringLiteral("Open(&O)");
const QString MenuSave = QStringLiteral("Save(&W)");
const QString MenuSaveAs = QStringLiteral("Save as(&S)");
const QString MenuPrint = QStringLiteral("Print...(&P)");
const QString MenuExit = QStringLiteral("Exit(&X)");
const QString MenuEdit = QStringLiteral("&Edit");
const QString MenuConnect = QStringLiteral("Connect(&C)");
const QString MenuChannel = QStringLiteral("Channel(&C)");
const QString MenuParam = QStringLiteral("Param(&O)");
const QString MenuPort = QStringLiteral("Port");
const QString MenuHelp = QStringLiteral("&Help");
const QString MenuHelpItem = QStringLiteral("Help(&H)");
const QString MenuAbout = QStringLiteral("About(&A)");

const QString ButtonRead = QStringLiteral("Read");
const QString ButtonWrite = QStringLiteral("Write");
const QString ButtonNew = QStringLiteral("New");
const QString ButtonDefault = QStringLiteral("Default");
const QString ButtonSave = QStringLiteral("Save");
const QString ButtonOpen = QStringLiteral("Open");
const QString ButtonClose = QStringLiteral("Close");
const QString LabelProgress = QStringLiteral("Progress");
const QString ChannelTitleSuffix = QStringLiteral(" Channel config");
const QString ParamTitleSuffix = QStringLiteral(" Param config");

QString AppTitle = QStringLiteral("TARNELL vimo digital control!");
const QString StatusConnectState = QStringLiteral("Connect state:");
const QString StatusDisconnect = QStringLiteral("disconnect");
const QString StatusConnect = QStringLiteral("connect");
const QString StatusMode = QStringLiteral("Mode: ");
const QString StatusUnknow = QStringLiteral("unknow");
const QString SplashLoading = QStringLiteral("Loading ");
const QString DevicePrefix = QStringLiteral("Device ");
const QString BeenDetect = QStringLiteral(" been detect!");
const QString BandRangeLabel = QStringLiteral("频段范围");
const QString MhzClose = QStringLiteral("Mhz]");

QString ModelName = QStringLiteral("FANE5");
QString DetectMessage = QStringLiteral("Device FANE5 been detect!");

const std::array<QString, 13> ColumnTitles = {
    QStringLiteral(" Channel "),
    QStringLiteral(" RX Frequency(MHZ) "),
    QStringLiteral(" TX Frequency(MHZ) "),
    QStringLiteral(" CTCSS/DCS Dec "),
    QStringLiteral(" CTCSS/DCS Enc "),
    QStringLiteral(" TX Power "),
    QStringLiteral("   W/N   "),
    QStringLiteral(" Busy Lock "),
    QStringLiteral(" OptSingal "),
    QStringLiteral(" SPUnmute "),
    QStringLiteral(" Repeater "),
    QStringLiteral(" ScanningAdd "),
    QStringLiteral(" CH-Name "),
};

const QString WordOn = QStringLiteral("On");
const QString WordOff = QStringLiteral("Off");
const QString WordHigh = QStringLiteral("High");
const QString WordLow = QStringLiteral("Low");
const QString Word25K = QStringLiteral("25K");
const QString Word12_5K = QStringLiteral("12.5K");

} // namespace languagestr
