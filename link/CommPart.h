#pragma once
// The only code that touches a serial port. Five blocking operations with the
// fixed line setting of the radios' programming cable (9600 8N1, no flow
// control, DTR and RTS on) and the cable's time-outs:
//   read:  288 ms silence between bytes ends a read early,
//          1000 ms per requested byte + 100 ms bound the whole read;
//   write: drained to the line, then PauseAfterWriteMs so frames stay separate bursts.
// No messages and no closing here: failures are results.
#include "RadioLine.h"
#include <QString>
#include <cstdint>

struct TCommPort;   // an open port; owned by the caller's slot

// Opens "com1".."com9" (see PortNames.h) or a device path, exclusively, and
// applies the line setting; nullptr when the port cannot be opened.
TCommPort* OpenComm(const QString& name, CommOpenFailure* why = nullptr);

// Closes the port in the slot and empties it; an empty slot is left alone.
void CloseComm(TCommPort*& slot);

// One read of one byte (about 1.1 s at most). False on time-out or error.
bool ReadCommByte(TCommPort* port, std::uint8_t& byte);

// Writes n bytes, waits until they have left, pauses 3 ms.
bool WriteCommBuffer(TCommPort* port, const std::uint8_t* bytes, int n);

// Reads up to n bytes in reads of at most 68 bytes each. True when the last
// read returned at least one byte, so a reply cut short reports false.
// `received`, when given, gets the number of bytes stored.
bool ReadCommBuffer(TCommPort* port, std::uint8_t* buffer, int n, int* received = nullptr);
