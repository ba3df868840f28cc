#pragma once
// The one way the channel data reports what went wrong: where (a line of a
// file or of pasted text, a cell of the grid) and what. Functions that only
// succeed or fail return std::optional<Problem>, nothing meaning success;
// those that also make something return an Outcome.
#include <QString>
#include <optional>

struct Problem {
    int Line = 0;      // 1-based line of a file or pasted text; 0: none
    int Row = 0;       // the cell, when both are set
    int Column = 0;
    QString What;      // the reason alone

    // "line 3: row 12, TX Power: what", each part only when it is known.
    QString Text() const;
    // "FILE: line 2: what".
    QString In(const QString& fileName) const;
};

// A cell's problem, as the check before a write names it.
Problem CellProblem(int row, int column, const QString& what);

template <typename T>
struct Outcome {
    T Value{};
    std::optional<Problem> Failure;   // set: Value is not to be used
};
