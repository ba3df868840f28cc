#pragma once
// The command layer of the radio protocol: hex command texts, sending,
// acknowledgements, reply texts and the handshake into programming mode.
//
// Commands, acknowledgements and expected replies are written as hex texts
// ("52 0E 00 40", "06 "); replies read back become the same form, each byte as
// two upper-case digits and a blank.
//
// Threads: these run on whichever thread runs the exchange (the worker of a
// channel transfer, or the caller's thread). LinkUi is called on that thread;
// a GUI LinkUi must hand the box to its window thread with a blocking queued
// call, which RunOnWorker's waiting loop lets run.
#include "CommPart.h"
#include "LinkUi.h"
#include <QByteArray>
#include <QString>

// Program-wide link state. One exchange at a time uses it.
extern TCommPort* RadioPort;       // open only inside one exchange
extern QByteArray CommandBytes;    // bytes of the last command text
extern bool FirstHandshake;        // true until the first successful handshake
extern bool HandshakeAckMode;      // true: the handshake ends with 06h both ways

// Back to the program's start values (port closed, both flags true).
void ResetLinkState();

// Handshake string and the radio's expected 8-byte reply, as command texts.
QString HandshakeText();
QString ExpectedHandshakeReply();

// Fills CommandBytes from a command text; returns the byte count.
int HexTextToBytes(const QString& text);

// Writes the bytes of a command text in one write (drained, 3 ms). Always true:
// a lost write shows up as a missing reply.
bool SendCommand(const QString& text);

// Waits for the first byte of `text`, skipping at most 256 other bytes. On
// failure the port is closed and, for a code other than 0,
// "Connect Crc faild code:(code)" is shown.
bool WaitForByte(const QString& text, int code, LinkUi& ui);
inline constexpr int MaxSkippedBytes = 256;

// Reads n bytes one at a time into a reply text. On a missing byte shows
// "Error port operate out!", closes the port and returns false.
bool ReadReplyText(QString& text, int n, LinkUi& ui);

// RadioPort = OpenComm(name); true when a port was opened.
bool OpenRadioPort(const QString& name, CommOpenFailure* why = nullptr);
void CloseRadioPort();

// Opens the port and puts the radio into programming mode, with the retries
// and questions of the handshake. On true the port is open.
bool EnterProgrammingMode(const QString& name, LinkUi& ui);

// Value of byte k (0-based) of a reply text; -1 when the text has no such byte.
int HexTextByteAt(const QString& text, int k);
