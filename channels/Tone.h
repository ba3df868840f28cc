#pragma once
// One decode or encode tone as a value: off, a CTCSS tone in 0.1 Hz or a DCS
// code with its polarity. Codes and texts in ToneList.h.
#include "ToneList.h"
#include <QString>
#include <optional>

class Tone {
public:
    enum class Kind { Off, Ctcss, Dcs };

    Tone() = default;                          // off
    static Tone Ctcss(int tenthsHz);           // 0..10239
    static Tone Dcs(int octalCode, bool inverted);

    // Every code, with the text DecodeTone gives it (a damaged DCS code
    // keeps the digits it reads as).
    static Tone FromCode(ToneCode code);

    // The texts IsValidToneText accepts; nothing for any other.
    static std::optional<Tone> Parse(const QString& text);

    ToneCode Code() const;
    QString Text() const;                      // "Off", "67.0", "D023N"

    Kind kind() const { return kind_; }
    friend bool operator==(const Tone&, const Tone&) = default;

private:
    Tone(Kind kind, int value, bool inverted) : kind_(kind), value_(value), inverted_(inverted) {}
    Kind kind_ = Kind::Off;
    int value_ = 0;           // tenths of a Hz, or the DCS code's value
    bool inverted_ = false;
};
