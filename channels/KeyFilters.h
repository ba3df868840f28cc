#pragma once
// What may be typed into frequency and name fields. Called with the field's
// text before the key is applied: the key comes back upper-cased, or 0 when
// it is refused, and the function returns the text the field keeps (empty
// when the text had grown past maxLength, so the field restarts with the
// typed character).
#include <QChar>
#include <QString>

inline constexpr char16_t BackspaceKey = 8;

// Backspace, digits, and one point.
QString FilterDecimalKey(const QString& currentText, QChar& key, int maxLength);

// Backspace, digits and letters (lower case becomes capitals).
QString FilterNameKey(const QString& currentText, QChar& key, int maxLength);
