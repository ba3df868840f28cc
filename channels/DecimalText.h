#pragma once
// Decimal numbers typed by a user or read from a file: digits with at most
// one point ("476.425", "67", ".5"). Parsed once into a double, scaled and
// rounded to the nearest integer (exact halves to the even one); the program
// works with that integer from then on.
#include <QString>
#include <optional>
#include <cstdint>

// text * scale, rounded; nothing when the text is not such a number or the
// result is too large to be exact.
std::optional<std::int64_t> ParseScaledDecimal(const QString& text, int scale);
