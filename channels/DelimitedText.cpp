#include "DelimitedText.h"

namespace {

// Reads the text once, character by character; quotes switch the meaning of
// separators and line breaks off and on again.
class Splitter {
public:
    Splitter(const QString& text, QChar separator) : text_(text), separator_(separator) {}

    std::vector<DelimitedLine> Run()
    {
        for (qsizetype i = 0; i < text_.size(); ++i) {
            const QChar c = text_.at(i);
            if (quoted_)
                i = Quoted(i, c);
            else if (c == u'"' && field_.isEmpty())
                quoted_ = true;
            else if (c == separator_)
                EndField();
            else if (c == u'\r' || c == u'\n')
                i = EndLine(i, c);
            else
                field_ += c;
        }
        if (!field_.isEmpty() || !current_.Fields.isEmpty() || quoted_) {
            current_.Unclosed = quoted_;
            EndLine(text_.size(), u'\n');
        }
        return std::move(lines_);
    }

private:
    QChar At(qsizetype i) const { return i < text_.size() ? text_.at(i) : QChar(); }

    qsizetype Quoted(qsizetype i, QChar c)
    {
        if (c != u'"') {
            if (c == u'\n' || (c == u'\r' && At(i + 1) != u'\n'))
                ++lineNumber_;
            field_ += c;
        } else if (At(i + 1) == u'"') {
            field_ += c;
            ++i;
        } else {
            quoted_ = false;
        }
        return i;
    }

    void EndField()
    {
        current_.Fields << field_;
        field_.clear();
    }

    qsizetype EndLine(qsizetype i, QChar c)
    {
        EndField();
        current_.Line = startLine_;
        lines_.push_back(std::move(current_));
        current_ = {};
        startLine_ = ++lineNumber_;
        quoted_ = false;
        return c == u'\r' && At(i + 1) == u'\n' ? i + 1 : i;
    }

    const QString& text_;
    const QChar separator_;
    std::vector<DelimitedLine> lines_;
    DelimitedLine current_;
    QString field_;
    bool quoted_ = false;
    int lineNumber_ = 1;
    int startLine_ = 1;
};

} // namespace

std::vector<DelimitedLine> SplitDelimited(const QString& text, QChar separator)
{
    return Splitter(text, separator).Run();
}
