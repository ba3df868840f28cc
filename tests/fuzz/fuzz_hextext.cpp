// Hex command and reply texts. Any text must be taken without harm; a text in
// the link's own form ("52 0E 00 40 ") must give back exactly its bytes.
#include "FuzzTargets.h"

#include "link/Frames.h"

namespace {

void CheckAnyText(const QString& text)
{
    const int n = HexTextToBytes(text);
    FUZZ_CHECK(n == CommandBytes.size());
    for (int k = -1; k <= n + 1; ++k) {
        const int value = HexTextByteAt(text, k);
        FUZZ_CHECK(value >= -1 && value <= 0xFF);
    }
}

void CheckOwnForm(const QByteArray& bytes)
{
    QString text;
    for (const char c : bytes)
        text += QStringLiteral("%1 ").arg(quint8(c), 2, 16, QLatin1Char('0')).toUpper();
    FUZZ_CHECK(HexTextToBytes(text) == bytes.size());
    FUZZ_CHECK(CommandBytes == bytes);
    for (int k = 0; k < bytes.size(); ++k)
        FUZZ_CHECK(HexTextByteAt(text, k) == quint8(bytes[k]));
    FUZZ_CHECK(HexTextByteAt(text, int(bytes.size())) == -1);
}

} // namespace

int FuzzHexText(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input = InputBytes(data, size);
    CheckAnyText(QString::fromUtf8(input));
    CheckAnyText(QString::fromLatin1(input));
    CheckOwnForm(input.left(128));
    return 0;
}
