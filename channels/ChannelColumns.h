#pragma once
// What each column of the channel grid is, in one place: its title, kind,
// list items and their flag bits, the texts it starts with, the keys it
// takes, whether Paste keeps it and whether the window hides it at first.
// The flag table, the grid's lists, started, copied and default rows and
// the check before a write all take their column facts from here.
#include "ChannelRecord.h"
#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <optional>
#include <vector>

// Words of the signalling columns; On, Off, High, Low, 25K and 12.5K are the
// option words of languagestr.
inline constexpr QStringView WordDtmf = u"DTMF";
inline constexpr QStringView WordQt = u"QT";
inline constexpr QStringView WordQtPlusDtmf = u"QT+DTMF";
inline constexpr QStringView WordQtStarDtmf = u"QT*DTMF";

enum class ColumnKind { ChannelNumber, Frequency, Tone, Choice, Name };
enum class KeyFilter { None, Decimal, Name };

// Which rows a paste leaves this column's cell alone in.
enum class PasteKeeps { Nothing, FixedRows, NonRepeaterRows };

struct ColumnSchema {
    ColumnKind Kind = ColumnKind::Name;
    QStringList Items;                  // the drop-down list, in list order
    int FlagByte = -1;                  // flag columns: the record byte ...
    std::uint8_t KeepMask = 0xFF;       // ... the bits the column leaves ...
    std::vector<std::uint8_t> Values;   // ... and each item's bits
    QString Started;                    // a row whose RX was just entered
    QString Clipboard;                  // the row clipboard before any Copy
    QString Default;                    // a default row's empty cell; empty: left as it is
    KeyFilter Filter = KeyFilter::None;
    int KeyLength = 0;                  // FilterKey's maxLength
    PasteKeeps Kept = PasteKeeps::Nothing;
    bool Hidden = false;
};

// Columns 0..12; any other column reads as column 0.
const ColumnSchema& SchemaOf(int column);

// The title with its blanks (languagestr's ColumnTitles).
const QString& ColumnTitle(int column);

// The items of the drop-down list of a choice column (3..11).
QStringList ChoiceItems(int column);
bool IsChoiceColumn(int column);

// The item a list text stands for, ignoring case and blanks; nothing when
// it stands for none.
std::optional<QString> ChoiceItem(int column, const QString& text);
bool IsFlagColumn(int column);

// What a row gets in its empty cells once its RX frequency has been entered:
// TX = RX, both tones Off, High, 25K, busy lock Off, signalling Off, QT,
// repeater Off, scanned. The name (empty here) is left alone.
ChannelTexts StartedRowTexts(const QString& rx);

// The row clipboard's one row before anything is copied: no frequencies,
// tones Off, power Off (not Low: the window has always started so), 25K,
// Off, Off, QT, Off, On, no name.
ChannelTexts ClipboardStartRow();

bool HiddenByDefault(int column);

// The key filter of the column's cell (KeyFilters.h); a column without one
// passes the key and the text unchanged.
QString FilterKey(int column, const QString& currentText, QChar& key);

// Whether a paste into `row` leaves the cell of `column` as it is: RX and
// TX of a fixed row, the repeater cell of a row that is not a repeater row.
bool PasteKeepsCell(int row, int column);
