#pragma once
// The tone columns of the CSV layout and our two tone cells.
//
//   our TX (encode)   our RX (decode)   Tone    fields used
//   Off               Off               ""
//   CTCSS a           Off               Tone    rToneFreq a
//   CTCSS a           CTCSS a           TSQL    cToneFreq a
//   DCS c p           DCS c p           DTCS    DtcsCode c, RxDtcsCode c, DtcsPolarity pp
//   anything else                       Cross   CrossMode X->Y, X and Y each "Tone",
//                                               "DTCS" or nothing (Off); TX CTCSS in
//                                               rToneFreq, TX DCS in DtcsCode, RX CTCSS
//                                               in cToneFreq, RX DCS in RxDtcsCode
//
// DtcsPolarity: TX letter then RX letter, N normal, R inverted (our N and I).
// Unused fields carry the layout's defaults. TSQL-R and DTCS-R are reverse
// squelch (the receiver mutes while the tone is there), which this radio
// does not have.
#include "Problem.h"
#include <QString>
#include <optional>

struct CsvToneFields {
    QString Mode, RTone = QStringLiteral("88.5"), CTone = QStringLiteral("88.5"), Dtcs = QStringLiteral("023"),
                  Polarity = QStringLiteral("NN"), RxDtcs = QStringLiteral("023"),
                  Cross = QStringLiteral("Tone->Tone");
};

// The fields for a channel's tone texts as the radio gives them back
// ("Off", "67.0", "D023N").
CsvToneFields ToneFieldsOf(const QString& encode, const QString& decode);

// The tone texts of the fields; the problem names the field that is not
// what its mode needs. The texts are not checked against what the radio can
// send.
std::optional<Problem> TonesOfFields(const CsvToneFields& fields, QString& encode, QString& decode);
