#pragma once
// One channel as values. The table keeps texts, since a file may hold any
// text and a bad cell is named only when a write needs it; whatever needs
// values (the check before a write, the codec, paste, CSV) reads a row into
// a Channel and writes one back in the grid's exact texts.
#include "ChannelRecord.h"
#include "FrequencyCodec.h"
#include "Problem.h"
#include "Tone.h"
#include <QString>
#include <functional>
#include <optional>

// Each in the order of its column's list items (ChannelColumns).
enum class Power { High, Low };
enum class Bandwidth { Wide, Narrow };    // 25K, 12.5K
enum class Signalling { Off, Dtmf };
enum class Unmute { Qt, QtPlusDtmf, QtStarDtmf };

struct Channel {
    std::optional<FrequencyUnits> Rx, Tx;
    Tone Decode, Encode;
    // The defaults are the flags' clear values, which an empty cell holds.
    Power TxPower = Power::Low;
    Bandwidth Width = Bandwidth::Narrow;
    bool BusyLock = false;
    Signalling Signal = Signalling::Off;
    Unmute UnmuteBy = Unmute::Qt;
    bool Repeater = false;
    bool ScanAdd = false;
    QString Name;

    // Flag columns 5..11 by the index of their list item.
    int FlagItem(int column) const;
    void SetFlagItem(int column, int item);

    friend bool operator==(const Channel&, const Channel&) = default;
};

// Why a row may not hold a frequency (the cell's text to quote it by), or
// nothing when it may.
using FrequencyRule = std::function<std::optional<QString>(FrequencyUnits units, const QString& text)>;

// A row's texts as values, cell by cell in column order; the first bad one
// is the problem, worded as the check before a write words it. An empty
// frequency is none, an empty flag cell the column's clear word, an empty
// tone Off; tones as Tone::Parse, flag words exactly. The name is taken as
// it is.
Outcome<Channel> ParseChannel(const ChannelTexts& texts, int row, const FrequencyRule& allowed = {});

// The texts the grid shows: "476.42500", "67.0", "D023N", the words.
ChannelTexts ChannelTextsOf(const Channel& channel);
