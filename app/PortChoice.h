#pragma once
// The Port menu's nine items "Com&1".."Com&9" (hints "com1".."com9"), which of
// them the system has, and the stored choice ("portitm", item index 0..8).
//
// Store: on Windows the registry key HKEY_CURRENT_USER\KVR\Vimo\PortSet;
// elsewhere QSettings' native per-user store, organisation "KVR",
// application "Vimo", group "PortSet" (Linux: ~/.config/KVR/Vimo.conf).
#include "link/RadioLine.h"

#include <QSettings>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

inline constexpr int PortItemCount = 9;

// How the system names its ports: Windows lists COM names, which must match
// an item's hint ignoring case; elsewhere the items stand, in order, for the
// listed devices (PortNames.h).
enum class PortListKind { ComNames, DeviceList };

struct PortMenuItems {
    std::array<bool, PortItemCount> visible{};
    std::array<QString, PortItemCount> hint;    // what PortName becomes
    std::array<QString, PortItemCount> device;  // shown beside the caption, may be empty
    // COM names that no item stands for (COM10 and above), in number order:
    // the Port menu shows them after the nine, and a choice of one is not
    // stored, as with a device given on the command line.
    QStringList beyond;
};

// BuildPortMenu's rule: which items the system port list makes visible. Once
// the list is not empty the hints read "COM1".."COM9".
PortMenuItems BuildPortItems(const QStringList& systemPorts, PortListKind kind);

// The item ticked at show time: the stored index when that item is visible,
// else the first visible item of 0..7, else 8 (visible or not). An index
// outside 0..8 counts as not visible.
int ChoosePortItem(int stored, const std::array<bool, PortItemCount>& visible);

class PortChoice {
public:
    // `store` is positioned at the PortSet key (its group already begun).
    // The system's ports are listed here, for the start-up probe and the
    // Port menu, and again by ListPorts each time the Port menu opens.
    PortChoice(std::unique_ptr<QSettings> store, std::function<QStringList()> systemPorts,
               PortListKind kind);
    // The user's real store and the system's port list.
    static std::unique_ptr<PortChoice> ForThisSystem();

    // The stored index; 0 when none is stored, -1 when the stored value is no
    // whole number (the show-time rule then falls back as for a hidden item).
    int LoadPortIndex() const;
    // False with `error` set when the store cannot be written.
    bool SavePortIndex(int index, QString& error);
    PortMenuItems CurrentItems() const;
    // Lists the system's ports again: devices come and go with their cables.
    void ListPorts();
    // The device that a port name ("com1".."com9" or a path) opens, by the list.
    QString Device(const QString& portName) const;

    // The line to a device; a serial port unless a test gives lines of its
    // own, so that no test opens the machine's ports.
    using LineMaker = std::function<std::unique_ptr<RadioLine>(const QString& device)>;
    void SetLineMaker(LineMaker lines) { lines_ = std::move(lines); }
    std::unique_ptr<RadioLine> Line(const QString& portName) const { return lines_(Device(portName)); }

private:
    std::unique_ptr<QSettings> store_;
    std::function<QStringList()> systemPorts_;
    PortListKind kind_;
    QStringList listed_;
    LineMaker lines_;
};
