#include "CsvTones.h"
#include "DecimalText.h"
#include "base/Excerpt.h"
#include "base/languagestr.h"
#include <QStringList>
#include <algorithm>

namespace {

const QString Arrow = QStringLiteral("->");

struct Tone {
    enum Kind { Off, Ctcss, Dcs } kind = Off;
    QString value;       // "88.5", or the three DCS digits "023"
    QChar polarity;      // N or I for DCS
    bool operator==(const Tone&) const = default;
};

bool Same(const QString& a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

Tone ToneOf(const QString& text)
{
    if (text == languagestr::WordOff)
        return {};
    if (text.startsWith(u'D'))
        return {Tone::Dcs, text.mid(1, 3), text.at(4)};
    return {Tone::Ctcss, text, {}};
}

QString ToneText(const Tone& tone)
{
    switch (tone.kind) {
    case Tone::Ctcss:
        return tone.value;
    case Tone::Dcs:
        return u'D' + tone.value + tone.polarity;
    default:
        return languagestr::WordOff;
    }
}

QChar CsvPolarity(const Tone& tone)
{
    return tone.kind == Tone::Dcs && tone.polarity == u'I' ? u'R' : u'N';
}

QString CrossName(const Tone& tone)
{
    return tone.kind == Tone::Ctcss ? QStringLiteral("Tone") : tone.kind == Tone::Dcs ? QStringLiteral("DTCS") : QString();
}

// Reading tone fields; `error` names the field that is not what its mode needs.
class ToneReader {
public:
    explicit ToneReader(const CsvToneFields& fields) : f_(fields) {}
    QString error;

    bool Read(Tone& tx, Tone& rx)
    {
        const QString& mode = f_.Mode;
        if (mode.isEmpty())
            return true;
        if (Same(mode, u"Tone"))
            return Ctcss(QStringLiteral("rToneFreq"), f_.RTone, tx);
        if (Same(mode, u"TSQL"))
            return Ctcss(QStringLiteral("cToneFreq"), f_.CTone, tx) && Ctcss(QStringLiteral("cToneFreq"), f_.CTone, rx);
        if (Same(mode, u"DTCS"))
            return Dcs(QStringLiteral("DtcsCode"), f_.Dtcs, 0, tx) && Dcs(QStringLiteral("DtcsCode"), f_.Dtcs, 1, rx);
        if (Same(mode, u"TSQL-R") || Same(mode, u"DTCS-R"))
            return Fail(QStringLiteral("Tone %1 is reverse squelch, which this radio does not have").arg(mode));
        if (Same(mode, u"Cross"))
            return Cross(tx, rx);
        return Fail(QStringLiteral("Tone \"%1\" is none of Tone, TSQL, DTCS, Cross").arg(Excerpt(mode)));
    }

private:
    bool Fail(const QString& text)
    {
        error = text;
        return false;
    }

    bool Ctcss(const QString& field, const QString& value, Tone& tone)
    {
        if (!ParseScaledDecimal(value, 10))
            return Fail(QStringLiteral("%1 \"%2\" is not a tone in Hz").arg(field, Excerpt(value)));
        tone = {Tone::Ctcss, value, {}};   // as written: whether the radio can send it is checked later
        return true;
    }

    // side 0: TX, 1: RX (the letter of DtcsPolarity it takes).
    bool Dcs(const QString& field, const QString& code, int side, Tone& tone)
    {
        if (code.isEmpty() || code.size() > 3 || !ParseScaledDecimal(code, 1))
            return Fail(QStringLiteral("%1 \"%2\" is not a DCS code").arg(field, Excerpt(code)));
        const QString& p = f_.Polarity;
        if (p.size() != 2 || !std::all_of(p.begin(), p.end(), [](QChar c) { return QStringLiteral("NRnr").contains(c); }))
            return Fail(QStringLiteral("DtcsPolarity \"%1\" is not two letters N or R").arg(Excerpt(p)));
        tone = {Tone::Dcs, code.rightJustified(3, u'0'), p.at(side).toUpper() == u'R' ? u'I' : u'N'};
        return true;
    }

    bool Side(const QString& name, int side, Tone& tone)
    {
        if (name.isEmpty())
            return true;
        if (Same(name, u"Tone"))
            return side == 0 ? Ctcss(QStringLiteral("rToneFreq"), f_.RTone, tone)
                             : Ctcss(QStringLiteral("cToneFreq"), f_.CTone, tone);
        if (Same(name, u"DTCS"))
            return side == 0 ? Dcs(QStringLiteral("DtcsCode"), f_.Dtcs, 0, tone)
                             : Dcs(QStringLiteral("RxDtcsCode"), f_.RxDtcs, 1, tone);
        return false;
    }

    bool Cross(Tone& tx, Tone& rx)
    {
        const QStringList sides = f_.Cross.split(Arrow);
        if (sides.size() != 2 || (sides[0].isEmpty() && sides[1].isEmpty()) || !Side(sides[0], 0, tx)
            || !Side(sides[1], 1, rx))
            return error.isEmpty()
                       ? Fail(QStringLiteral("CrossMode \"%1\" is not a cross mode").arg(Excerpt(f_.Cross)))
                       : false;
        return true;
    }

    const CsvToneFields& f_;
};

} // namespace

CsvToneFields ToneFieldsOf(const QString& encode, const QString& decode)
{
    const Tone tx = ToneOf(encode), rx = ToneOf(decode);
    CsvToneFields f;
    f.Polarity = QString(CsvPolarity(tx)) + CsvPolarity(rx);
    if (tx.kind == Tone::Off && rx.kind == Tone::Off)
        return f;
    if (tx.kind == Tone::Ctcss && rx.kind == Tone::Off) {
        f.Mode = QStringLiteral("Tone");
        f.RTone = tx.value;
    } else if (tx.kind == Tone::Ctcss && tx == rx) {
        f.Mode = QStringLiteral("TSQL");
        f.CTone = tx.value;
    } else if (tx.kind == Tone::Dcs && tx == rx) {
        // Both code columns: a reader for radios with one code takes either.
        f.Mode = QStringLiteral("DTCS");
        f.Dtcs = f.RxDtcs = tx.value;
    } else {
        f.Mode = QStringLiteral("Cross");
        f.Cross = CrossName(tx) + Arrow + CrossName(rx);
        if (tx.kind != Tone::Off)
            (tx.kind == Tone::Ctcss ? f.RTone : f.Dtcs) = tx.value;
        if (rx.kind != Tone::Off)
            (rx.kind == Tone::Ctcss ? f.CTone : f.RxDtcs) = rx.value;
    }
    return f;
}

std::optional<Problem> TonesOfFields(const CsvToneFields& fields, QString& encode, QString& decode)
{
    Tone tx, rx;
    ToneReader reader(fields);
    if (!reader.Read(tx, rx))
        return Problem{0, 0, 0, reader.error};
    encode = ToneText(tx);
    decode = ToneText(rx);
    return std::nullopt;
}
