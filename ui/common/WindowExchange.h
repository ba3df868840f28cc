#pragma once
// The windows' side of a radio exchange: it runs on a worker while the
// window keeps painting, its progress moves the window's bar, a history
// that cannot be kept is said in the main window's status bar, and a write
// ends in one message box.
#include "exchange/Exchange.h"

#include <memory>

class QLabel;
class QProgressBar;
class QStatusBar;
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

// An exchange of `window` on PortName; the status note of the one before goes.
ExchangeSetup WindowExchangeSetup(QWidget* window, RadioLink& link, LinkUi& ui, QProgressBar* bar);

// "Translate data complete!" once a write went through, after its verify:
// the verify's outcome on a second line of the same box, an error box when
// the radio holds something else or could not be read back. Nothing when
// the write failed (the link has said why).
void TellWritten(LinkUi& ui, const ExchangeReport& report);

// The main window's place for short notes: a label after its status panels,
// which a note leaves in view (a status-bar message would hide them).
QLabel* AddStatusNoteLabel(QStatusBar* bar);

// A short note in the status bar of the main window that holds `window`,
// for a while or until the next radio exchange starts (nothing when the
// window stands alone).
void ShowStatusNote(QWidget* window, const QString& text);
