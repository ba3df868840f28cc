#pragma once
// What a message quotes of a cell or a line of a file. Such texts come from
// files and may be of any length and hold any character: a message shows at
// most the first 40 characters, and control characters as escapes (\n, \t,
// \x00), so that a NUL cannot end the message early and a huge cell cannot
// flood a box or the terminal.
#include <QString>

inline constexpr int ExcerptLength = 40;

// The text itself when it is short and printable; otherwise its first 40
// characters with escapes, followed by "..." when it was longer.
QString Excerpt(const QString& text);
