#pragma once
// The Port menu's "com1".."com9" on every platform. On Windows they are the
// COM ports themselves. Elsewhere the nine items stand, in order, for the
// serial devices the system lists: ttyACM*, then ttyUSB*, then the rest,
// each group in name order (ttyUSB2 before ttyUSB10).
// A name that is not "comN" is a device path and is used as it is.
#include <QString>
#include <QStringList>

// The system's serial devices (full paths) in Port-item order.
QStringList SerialDevices();

// The ordering rule applied to a list of device paths (testable without devices).
QStringList OrderSerialDevices(QStringList devices);

// The device a port name stands for, given the ordered device list; empty when
// "comN" has no device behind it.
QString PortDevice(const QString& portName, const QStringList& devices);

// The same with the system's list (Windows: the COM port of that name).
QString PortDevice(const QString& portName);

// The device where the system names its ports COMn (Windows): "comN" is the
// port of that name, in capitals; any other name is used as it is.
QString ComPortDevice(const QString& portName);

// Extra line for "Open port faild!" when the device exists but may not be
// opened by this user, naming the group that grants access (Linux: dialout).
QString PortPermissionHint(const QString& portName);

// Extra line for "Open port faild!" when the device is not there (a cable
// unplugged since the Port menu listed it), naming the device.
QString PortMissingHint(const QString& portName);
