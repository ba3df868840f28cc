#pragma once
// Program-wide state shared by the windows. The link and the codec never read
// it directly: callers pass them what they need (port name, image, band).
#include <QString>

// Bits of OpenWindows.
enum OpenWindowBits : unsigned {
    OptionsWindowOpen = 1,
    ChannelWindowOpen = 2,
    OptionsWindowActive = 4,
    ChannelWindowActive = 8,
};

extern int DeviceType;              // 0 until the model is fixed, then 3
extern long double Band1Low, Band1High, Band2Low, Band2High;  // MHz
extern QString PortName;            // "com1".."com9" or a device path
extern bool TransferBusy;           // a radio exchange runs; written only by TransferBusyScope
extern unsigned OpenWindows;        // OpenWindowBits
extern QString AppDir;              // program folder with a trailing separator
extern QString DataDir;             // installed data folder, looked in after AppDir (empty: none)

// Sets TransferBusy for as long as it lives: one radio exchange, from its
// check to its verify. Exchanges do not nest.
class TransferBusyScope {
public:
    TransferBusyScope() { TransferBusy = true; }
    ~TransferBusyScope() { TransferBusy = false; }
    TransferBusyScope(const TransferBusyScope&) = delete;
    TransferBusyScope& operator=(const TransferBusyScope&) = delete;
};
