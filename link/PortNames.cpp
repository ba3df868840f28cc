#include "PortNames.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <algorithm>
#include <tuple>

namespace {

// Group (ttyACM, ttyUSB, rest), stem, trailing number: the Port-item order.
std::tuple<int, QString, qulonglong> OrderKey(const QString& device)
{
    static const QRegularExpression split(QStringLiteral("^(.*?)(\\d*)$"));
    const QString name = QFileInfo(device).fileName();
    const auto m = split.match(name);
    const QString stem = m.captured(1);
    const int group = stem == QLatin1String("ttyACM") ? 0 : stem == QLatin1String("ttyUSB") ? 1 : 2;
    return {group, stem, m.captured(2).toULongLong()};
}

// The item number 1..9 of "com1".."com9", else 0.
int ComItem(const QString& portName)
{
    static const QRegularExpression com(QStringLiteral("^com([1-9])$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const auto m = com.match(portName);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

} // namespace

QStringList OrderSerialDevices(QStringList devices)
{
    std::stable_sort(devices.begin(), devices.end(), [](const QString& a, const QString& b) {
        return OrderKey(a) < OrderKey(b);
    });
    return devices;
}

// Listing walks every terminal device of the system (some 20 ms on Linux):
// start-up lists once and hands the list on (PortChoice).
QStringList SerialDevices()
{
    QStringList devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        devices << info.systemLocation();
    return OrderSerialDevices(devices);
}

QString PortDevice(const QString& portName, const QStringList& devices)
{
    const int item = ComItem(portName);
    if (item == 0)
        return portName;
    return item <= devices.size() ? devices[item - 1] : QString();
}

QString ComPortDevice(const QString& portName)
{
    return ComItem(portName) ? portName.toUpper() : portName;
}

QString PortDevice(const QString& portName)
{
#ifdef Q_OS_WIN
    return portName.toUpper();
#else
    return ComItem(portName) ? PortDevice(portName, SerialDevices()) : portName;
#endif
}

QString PortPermissionHint(const QString& portName)
{
    const QFileInfo info(PortDevice(portName));
#ifdef Q_OS_LINUX
    const QString group = info.group().isEmpty() ? QStringLiteral("dialout") : info.group();
#else
    const QString group = info.group();
#endif
    if (group.isEmpty())
        return QStringLiteral("No permission to use %1.").arg(info.filePath());
    return QStringLiteral("No permission to use %1: add your user to the group \"%2\" and log in again.")
        .arg(info.filePath(), group);
}

QString PortMissingHint(const QString& portName)
{
    const QString device = PortDevice(portName);
    return QStringLiteral("There is no device %1: is the cable plugged in?")
        .arg(device.isEmpty() ? portName : device);
}
