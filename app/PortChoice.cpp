#include "PortChoice.h"

#include "link/PortNames.h"
#include "link/SerialLine.h"

#include <QSerialPortInfo>
#include <algorithm>

namespace {

const QString PortIndexValue = QStringLiteral("portitm");

QString Hint(int item, bool upper)
{
    return QStringLiteral("%1%2").arg(upper ? QStringLiteral("COM") : QStringLiteral("com")).arg(item + 1);
}

} // namespace

PortMenuItems BuildPortItems(const QStringList& systemPorts, PortListKind kind)
{
    PortMenuItems items;
    const bool upper = !systemPorts.isEmpty();
    for (int k = 0; k < PortItemCount; ++k) {
        items.hint[k] = Hint(k, upper);
        if (kind == PortListKind::ComNames) {
            items.visible[k] = systemPorts.contains(items.hint[k], Qt::CaseInsensitive);
        } else {
            items.device[k] = PortDevice(items.hint[k], systemPorts);
            items.visible[k] = !items.device[k].isEmpty();
        }
    }
    if (kind == PortListKind::ComNames) {
        for (const QString& port : OrderSerialDevices(systemPorts)) {
            if (!std::any_of(items.hint.begin(), items.hint.end(),
                             [&port](const QString& hint) { return hint.compare(port, Qt::CaseInsensitive) == 0; }))
                items.beyond << port.toUpper();
        }
    }
    return items;
}

int ChoosePortItem(int stored, const std::array<bool, PortItemCount>& visible)
{
    if (stored >= 0 && stored < PortItemCount && visible[stored])
        return stored;
    for (int k = 0; k < PortItemCount - 1; ++k) {
        if (visible[k])
            return k;
    }
    return PortItemCount - 1;
}

PortChoice::PortChoice(std::unique_ptr<QSettings> store, std::function<QStringList()> systemPorts,
                       PortListKind kind)
    : store_(std::move(store)), systemPorts_(std::move(systemPorts)), kind_(kind),
      lines_([](const QString& device) { return std::make_unique<SerialLine>(device); })
{
    ListPorts();
}

void PortChoice::ListPorts()
{
    listed_ = systemPorts_();
}

std::unique_ptr<PortChoice> PortChoice::ForThisSystem()
{
#ifdef Q_OS_WIN
    auto store = std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\KVR\\Vimo\\PortSet"),
                                             QSettings::NativeFormat);
    auto ports = [] {
        QStringList names;
        for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
            names << info.portName();
        return names;
    };
    return std::make_unique<PortChoice>(std::move(store), ports, PortListKind::ComNames);
#else
    auto store = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("KVR"), QStringLiteral("Vimo"));
    store->beginGroup(QStringLiteral("PortSet"));
    return std::make_unique<PortChoice>(std::move(store), &SerialDevices, PortListKind::DeviceList);
#endif
}

int PortChoice::LoadPortIndex() const
{
    const QVariant value = store_->value(PortIndexValue);
    if (!value.isValid())
        return 0;
    bool ok = false;
    const int index = value.toInt(&ok);
    return ok ? index : -1;
}

bool PortChoice::SavePortIndex(int index, QString& error)
{
    store_->setValue(PortIndexValue, index);
    store_->sync();
    if (store_->status() == QSettings::NoError)
        return true;
    error = QStringLiteral("Cannot store the port choice in %1").arg(store_->fileName());
    return false;
}

PortMenuItems PortChoice::CurrentItems() const
{
    return BuildPortItems(listed_, kind_);
}

QString PortChoice::Device(const QString& portName) const
{
    return kind_ == PortListKind::ComNames ? ComPortDevice(portName) : PortDevice(portName, listed_);
}
