#pragma once
// One line of the benchmark's table: what was measured, the goal, and
// whether the figure meets it (rows without a goal only inform).
#include <QList>
#include <QString>

struct Figure {
    QString name;
    QString measured;
    QString goal;      // empty: no goal of its own
    bool met = true;
};
using Figures = QList<Figure>;

inline QString Millis(double seconds) { return QStringLiteral("%1 ms").arg(seconds * 1000, 0, 'f', 1); }
