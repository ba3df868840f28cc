#pragma once
// Decode and encode tones: a 16-bit code, stored low byte first.
//
//   FFFFh                      off
//   0000h-27FFh  CTCSS         tone in 0.1 Hz: 67.0 Hz = 670 = 029Eh (9E 02)
//   DCS          bit 15 14 13 12 11 10  9  8..0
//                     i  0  1  0  1  0  0  ddd ddd ddd
//                i: inverted polarity; ddd: the three octal digits of the
//                code: D023N = 2813h (13 28), D754I = A9ECh (EC A9)
//
// Any CTCSS value and any three-digit DCS code encode and decode by these
// rules; ToneList only feeds the grid's drop-down list.
#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>

using ToneCode = std::uint16_t;
inline constexpr ToneCode ToneOff = 0xFFFF;

// The code-page-936 word for "off" (bytes B9h D8h), which files written on
// Chinese systems may hold in a tone cell.
inline constexpr QStringView OffWordCp936 = u"\u5173";

// "Off", 50 CTCSS tones, 105 DCS codes "D023N".."D754N", the same codes
// "D023I".."D754I": 261 items.
const QStringList& ToneList();

QString DecodeTone(ToneCode code);

// Empty, anything starting with "O" and the code-page-936 off word -> off;
// "D" + three decimal digits (combined as octal digits) + "N" -> normal DCS,
// any other fifth character -> inverted; otherwise a CTCSS number in Hz.
// A text that fits none of these encodes as off; writes refuse such texts
// before encoding (CheckRowsForWrite).
ToneCode EncodeTone(const QString& text);

// What a write accepts in a tone cell: every text that encodes to a code
// which decodes back to the same tone, so that whatever a read gives can be
// written back. Off: empty, anything starting with "O", "off" in any case,
// the code-page-936 off word. CTCSS: any number of Hz from 0.0 to 1023.9
// (listed or not) with nothing finer than 0.1 Hz. DCS: "D" + three octal
// digits + "N", "I" or nothing (inverted).
bool IsValidToneText(const QString& text);
