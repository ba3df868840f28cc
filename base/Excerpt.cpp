#include "Excerpt.h"

namespace {

QString Escaped(QChar c)
{
    switch (c.unicode()) {
    case u'\n':
        return QStringLiteral("\\n");
    case u'\r':
        return QStringLiteral("\\r");
    case u'\t':
        return QStringLiteral("\\t");
    default:
        return QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
    }
}

} // namespace

QString Excerpt(const QString& text)
{
    qsizetype length = qMin(text.size(), qsizetype(ExcerptLength));
    // Never split a surrogate pair.
    if (length < text.size() && length > 0 && text.at(length - 1).isHighSurrogate())
        --length;
    QString excerpt;
    for (qsizetype i = 0; i < length; ++i) {
        const QChar c = text.at(i);
        if (c.category() == QChar::Other_Control)
            excerpt += Escaped(c);
        else
            excerpt += c;
    }
    if (length < text.size())
        excerpt += QStringLiteral("...");
    return excerpt;
}
