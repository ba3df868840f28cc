#pragma once
// Every English text the program shows from code, letter for letter
// (misspellings included: stored files and users' habits rely on them).
#include <QString>
#include <array>

namespace languagestr {

// Messages
extern const QString ReciveComplete;        // "Recive data complete!"
extern const QString TranslateComplete;     // "Translate data complete!"
extern const QString DeviceUnconnect;       // handshake got no answer
extern const QString OpenPortFaild;         // "Open port faild!"
extern const QString DeviceNoConnectRetry;  // "Device no connect,Try again?"
extern const QString DataCrcFaild;          // "Data Crc Faild,"
extern const QString ConnectCrcFaild;       // "Connect Crc faild code:"
extern const QString PortOperateOut;        // "Error port operate out!"
extern const QString BadFileType;           // "Bad read in file type!"
extern const QString Information;           // "Information"
extern const QString DeviceNoConnectNow;    // "Device no connect,connect now?"
extern const QString OverflowChanged;       // "Overflow,auto change to connect value!"

// Main window captions
extern const QString MenuFile, MenuNew, MenuOpen, MenuSave, MenuSaveAs, MenuPrint, MenuExit;
extern const QString MenuEdit, MenuConnect, MenuChannel, MenuParam, MenuPort;
extern const QString MenuHelp, MenuHelpItem, MenuAbout;

// Child window captions
extern const QString ButtonRead, ButtonWrite, ButtonNew, ButtonDefault, ButtonSave, ButtonOpen, ButtonClose;
extern const QString LabelProgress;
extern const QString ChannelTitleSuffix;    // " Channel config"
extern const QString ParamTitleSuffix;      // " Param config"

// Window, status and splash texts
extern QString AppTitle;                    // replaced by a picture file's title
extern const QString StatusConnectState, StatusDisconnect, StatusConnect, StatusMode, StatusUnknow;
extern const QString SplashLoading;         // "Loading "
extern const QString DevicePrefix, BeenDetect;
extern const QString BandRangeLabel;        // "频段范围", before the band in the Connect message
extern const QString MhzClose;              // "Mhz]", end of a band range text

// Model texts (written again, with the same texts, by the connection start)
extern QString ModelName;                   // "FANE5"
extern QString DetectMessage;               // "Device FANE5 been detect!"

// Channel table column titles, each with its blanks
extern const std::array<QString, 13> ColumnTitles;

// Option words: decide what the channel grid and codec accept
extern const QString WordOn, WordOff, WordHigh, WordLow, Word25K, Word12_5K;

} // namespace languagestr
