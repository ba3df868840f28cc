#include "KeyFilters.h"

namespace {

template <typename Accept>
QString FilterKey(const QString& currentText, QChar& key, int maxLength, Accept accept)
{
    const QString kept = currentText.size() > maxLength ? QString() : currentText;
    key = key.toUpper();
    if (key != QChar(BackspaceKey) && !accept(kept, key))
        key = QChar(0);
    return kept;
}

bool IsDigit(QChar key) { return key >= u'0' && key <= u'9'; }

} // namespace

QString FilterDecimalKey(const QString& currentText, QChar& key, int maxLength)
{
    return FilterKey(currentText, key, maxLength, [](const QString& text, QChar k) {
        return IsDigit(k) || (k == u'.' && !text.contains(u'.'));
    });
}

QString FilterNameKey(const QString& currentText, QChar& key, int maxLength)
{
    return FilterKey(currentText, key, maxLength, [](const QString&, QChar k) {
        return IsDigit(k) || (k >= u'A' && k <= u'Z');
    });
}
