#pragma once
// The windows' side of a radio exchange: it runs on a worker while the
// window keeps painting, its progress moves the window's bar, and a history
// that cannot be kept is said in the main window's status bar.
#include "exchange/Exchange.h"

#include <memory>

class QProgressBar;
class QWidget;

// The link a window exchanges on: the program's, shared by the main window
// so that the handshake state lasts from one window to the next, or else
// one of the window's own on the serial ports.
class WindowLink {
public:
    RadioLink& operator*() const { return *link_; }
    void Share(RadioLink& link) { link_ = &link; }

private:
    std::unique_ptr<RadioLink> own_ = std::make_unique<RadioLink>();
    RadioLink* link_ = own_.get();
};

// An exchange of `window` on PortName.
ExchangeSetup WindowExchangeSetup(QWidget* window, RadioLink& link, LinkUi& ui, QProgressBar* bar);

// A short note in the status bar of the main window that holds `window`
// (nothing when it stands alone).
void ShowStatusNote(QWidget* window, const QString& text);
