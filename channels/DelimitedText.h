#pragma once
// Lines of fields as spreadsheets and CSV files write them: fields split by
// one separator character (',' or a tab), lines ended by CR LF, CR or LF,
// and a field in double quotes may hold the separator, line breaks and
// doubled quotes (""). A final line break adds no empty line.
#include <QChar>
#include <QString>
#include <QStringList>
#include <vector>

struct DelimitedLine {
    int Line = 0;          // 1-based line of the text the record starts on
    QStringList Fields;
    bool Unclosed = false; // the text ended inside a quoted field of this record
};

std::vector<DelimitedLine> SplitDelimited(const QString& text, QChar separator);
