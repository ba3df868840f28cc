// Channel codec: bytes <-> texts for frequencies, tones, flags, names, whole
// records and the whole image; the key filters.
#include "RandomChannels.h"
#include "channels/Channel.h"
#include "channels/ChannelCodec.h"
#include "channels/ChannelColumns.h"
#include "channels/ChannelFlagTable.h"
#include "channels/DecimalText.h"
#include "channels/FrequencyCodec.h"
#include "channels/ImageVerify.h"
#include "channels/KeyFilters.h"
#include "channels/RowCheck.h"
#include "channels/ToneList.h"
#include <QtTest>

namespace {

QByteArray Hex(const char* text) { return QByteArray::fromHex(text); }

template <std::size_t N>
QByteArray Bytes(const std::array<std::uint8_t, N>& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), int(N));
}

ChannelRecord RecordFrom(const QByteArray& bytes)
{
    ChannelRecord record{};
    std::copy_n(bytes.begin(), record.size(), record.begin());
    return record;
}

QByteArray LeBytes(std::uint32_t value)
{
    std::uint8_t bytes[4];
    WriteLe32(bytes, value);
    return QByteArray(reinterpret_cast<const char*>(bytes), 4);
}

// Texts of columns 1..12 from a compact list.
ChannelTexts Row(const QStringList& texts)
{
    ChannelTexts row;
    for (int i = 0; i < texts.size(); ++i)
        row[i] = texts[i];
    return row;
}

} // namespace

class TestChannelCodec : public QObject {
    Q_OBJECT
private slots:
    void encodeFrequency_data();
    void encodeFrequency();
    void decodeFrequency_data();
    void decodeFrequency();
    void scaledDecimal_data();
    void scaledDecimal();
    void decodeTone_data();
    void decodeTone();
    void encodeTone_data();
    void encodeTone();
    void toneList();
    void validToneText_data();
    void validToneText();
    void flagDecoding_data();
    void flagDecoding();
    void decodeRecord();
    void goldenRoundTrip_data();
    void goldenRoundTrip();
    void emptyRow();
    void emptySlotClearing();
    void names_data();
    void names();
    void loadKeepsNameOfEmptySlot();
    void loadTxOnlySlot();
    void randomRowsRoundTrip();
    void randomImageRoundTrip();
    void radioImagesRoundTrip();
    void keyFilters_data();
    void keyFilters();
    void imageBytesByChannelAndField_data();
    void imageBytesByChannelAndField();
};

void TestChannelCodec::encodeFrequency_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("example") << "476.425" << Hex("00256447");
    QTest::newRow("five decimals") << "476.42500" << Hex("00256447");
    QTest::newRow("thousands digit falls off") << "1000.00000" << Hex("00000000");
    QTest::newRow("two integer digits") << "46.5" << Hex("00006504");
    QTest::newRow("rounded to 10 Hz") << "476.431254" << Hex("25316447");
    QTest::newRow("band top") << "480.9995" << Hex("50990948");
    QTest::newRow("empty") << "" << Hex("ffffffff");
    QTest::newRow("not a number") << "47a.5" << Hex("ffffffff");
}

void TestChannelCodec::encodeFrequency()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(LeBytes(EncodeFrequency(text)), bytes);
}

void TestChannelCodec::decodeFrequency_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("example") << Hex("00256447") << "476.42500";
    QTest::newRow("zero") << Hex("00000000") << "000.00000";
    QTest::newRow("leading zero kept") << Hex("00006504") << "046.50000";
    QTest::newRow("no frequency") << Hex("ffffffff") << "";
    QTest::newRow("top byte alone decides") << Hex("002564ff") << "";
    QTest::newRow("damaged nibble prints its value") << Hex("0025a447") << "4710.42500";
}

void TestChannelCodec::decodeFrequency()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(DecodeFrequency(ReadLe32(reinterpret_cast<const std::uint8_t*>(bytes.constData()))), text);
}

void TestChannelCodec::scaledDecimal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("scale");
    QTest::addColumn<qint64>("value");   // -1: refused
    QTest::newRow("integer") << "67" << 10 << qint64(670);
    QTest::newRow("point last") << "476." << 100000 << qint64(47600000);
    QTest::newRow("point first") << ".5" << 10 << qint64(5);
    QTest::newRow("half to even, down") << "0.25" << 10 << qint64(2);
    QTest::newRow("half to even, up") << "0.75" << 10 << qint64(8);
    QTest::newRow("empty") << "" << 10 << qint64(-1);
    QTest::newRow("point only") << "." << 10 << qint64(-1);
    QTest::newRow("two points") << "1.2.3" << 10 << qint64(-1);
    QTest::newRow("sign") << "-67" << 10 << qint64(-1);
    QTest::newRow("blank") << " 67" << 10 << qint64(-1);
    QTest::newRow("exponent") << "1e3" << 10 << qint64(-1);
    QTest::newRow("arabic-indic digit") << QString::fromUtf8("\u0667") << 10 << qint64(-1);
    QTest::newRow("too large") << QString(30, u'9') << 10 << qint64(-1);
}

void TestChannelCodec::scaledDecimal()
{
    QFETCH(QString, text);
    QFETCH(int, scale);
    QFETCH(qint64, value);
    const auto parsed = ParseScaledDecimal(text, scale);
    QCOMPARE(parsed.value_or(-1), value);
}

void TestChannelCodec::decodeTone_data()
{
    QTest::addColumn<QByteArray>("bytes");   // low byte first
    QTest::addColumn<QString>("text");
    QTest::newRow("off") << Hex("ffff") << "Off";
    QTest::newRow("high byte FF is off") << Hex("12ff") << "Off";
    QTest::newRow("67.0") << Hex("9e02") << "67.0";
    QTest::newRow("254.1") << Hex("ed09") << "254.1";
    QTest::newRow("D023N") << Hex("1328") << "D023N";
    QTest::newRow("D754I") << Hex("eca9") << "D754I";
    QTest::newRow("ninth code bit") << Hex("1329") << "D423N";
    QTest::newRow("first inverted high byte") << Hex("13a8") << "D023I";
}

void TestChannelCodec::decodeTone()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(DecodeTone(ToneCode(std::uint8_t(bytes[0]) | std::uint8_t(bytes[1]) << 8)), text);
}

void TestChannelCodec::encodeTone_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");
    QTest::newRow("Off") << "Off" << 0xFFFF;
    QTest::newRow("OFF") << "OFF" << 0xFFFF;
    QTest::newRow("O") << "O" << 0xFFFF;
    QTest::newRow("empty") << "" << 0xFFFF;
    QTest::newRow("code-page-936 off") << QString::fromUtf8("\u5173") << 0xFFFF;
    QTest::newRow("67.0") << "67.0" << 670;
    QTest::newRow("254.1") << "254.1" << 2541;
    QTest::newRow("D023N") << "D023N" << 0x2813;
    QTest::newRow("D754I") << "D754I" << 0xA9EC;
    QTest::newRow("no fifth character is inverted") << "D023" << 0xA813;
    QTest::newRow("digit 9 taken as octal") << "D019N" << (0x2800 | (9 + 8));
    QTest::newRow("not a number falls back to off") << "6x" << 0xFFFF;
    QTest::newRow("DCS without digits falls back to off") << "DabcN" << 0xFFFF;
}

void TestChannelCodec::encodeTone()
{
    QFETCH(QString, text);
    QFETCH(int, code);
    QCOMPARE(int(EncodeTone(text)), code);
}

void TestChannelCodec::toneList()
{
    const QStringList& list = ToneList();
    QCOMPARE(list.size(), 261);
    QCOMPARE(list.first(), QStringLiteral("Off"));
    QCOMPARE(list[1], QStringLiteral("67.0"));
    QCOMPARE(list[13], QStringLiteral("100.0"));
    QCOMPARE(list[50], QStringLiteral("254.1"));
    QCOMPARE(list[51], QStringLiteral("D023N"));
    QCOMPARE(list[155], QStringLiteral("D754N"));
    QCOMPARE(list[156], QStringLiteral("D023I"));
    QCOMPARE(list[260], QStringLiteral("D754I"));
    QCOMPARE(QStringList(list).removeDuplicates(), 0);
    for (const QString& item : list) {
        QVERIFY2(IsValidToneText(item), qPrintable(item));
        QCOMPARE(DecodeTone(EncodeTone(item)), item);
    }
}

void TestChannelCodec::validToneText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("Off") << "Off" << true;
    QTest::newRow("off, any case") << "oFF" << true;
    QTest::newRow("code-page-936 off") << QString::fromUtf8("\u5173") << true;
    QTest::newRow("listed CTCSS") << "67.0" << true;
    QTest::newRow("listed CTCSS without decimal") << "100" << true;
    QTest::newRow("unlisted DCS code") << "D777I" << true;
    // Whatever encodes to a code that decodes back to the same tone.
    QTest::newRow("empty") << "" << true;
    QTest::newRow("just O") << "O" << true;
    QTest::newRow("unlisted CTCSS") << "67.1" << true;
    QTest::newRow("unlisted CTCSS 155.1") << "155.1" << true;
    QTest::newRow("CTCSS with trailing zeros") << "67.300" << true;
    QTest::newRow("lowest CTCSS code") << "0.0" << true;
    QTest::newRow("highest CTCSS code") << "1023.9" << true;
    QTest::newRow("DCS without polarity") << "D023" << true;
    QTest::newRow("CTCSS finer than 0.1 Hz") << "67.05" << false;
    QTest::newRow("CTCSS that would read as DCS") << "1024.0" << false;
    QTest::newRow("not a number") << "6x" << false;
    QTest::newRow("DCS with digit 8") << "D028N" << false;
    QTest::newRow("DCS with digit 9 and no polarity") << "D019" << false;
    QTest::newRow("DCS with another fifth character") << "D023X" << false;
    QTest::newRow("DCS lower case") << "d023n" << false;
    QTest::newRow("DCS too long") << "D0234N" << false;
    QTest::newRow("DCS with two digits") << "D23N" << false;
    QTest::newRow("blank before CTCSS") << " 67.0" << false;
}

void TestChannelCodec::validToneText()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(IsValidToneText(text), valid);
}

void TestChannelCodec::flagDecoding_data()
{
    QTest::addColumn<int>("byte12");
    QTest::addColumn<QString>("unmute");
    QTest::addColumn<int>("reencoded");
    QTest::newRow("00") << 0x95 << "QT" << 0x95;
    QTest::newRow("01") << 0xB5 << "QT+DTMF" << 0xB5;
    QTest::newRow("10") << 0xD5 << "QT*DTMF" << 0xD5;
    QTest::newRow("11 reads QT and becomes 00") << 0xF5 << "QT" << 0x95;
}

void TestChannelCodec::flagDecoding()
{
    QFETCH(int, byte12);
    QFETCH(QString, unmute);
    QFETCH(int, reencoded);
    ChannelRecord record = RecordFrom(Hex("00256447002564479e02ffff958ffeff"));
    record[FlagsAByte] = std::uint8_t(byte12);
    const ChannelTexts texts = DecodeChannel(record, true);
    QCOMPARE(TextOf(texts, ColUnmute), unmute);
    QCOMPARE(int(EncodeChannel(texts)[FlagsAByte]), reencoded);
}

void TestChannelCodec::decodeRecord()
{
    // RX 476.425, TX 477.4125, dec 67.0, enc D754I, DTMF, QT*DTMF, repeater,
    // wide, high, scan add, busy lock.
    const QByteArray bytes = Hex("0025644750127447" "9e02" "eca9" "dfff" "ff");
    const ChannelRecord record = RecordFrom(bytes + Hex("ff"));
    const ChannelTexts texts = DecodeChannel(record, true);
    const ChannelTexts expected = Row({"476.42500", "477.41250", "67.0", "D754I", "High", "25K", "On",
                                       "DTMF", "QT*DTMF", "On", "On", ""});
    QCOMPARE(texts, expected);
    QCOMPARE(Bytes(EncodeChannel(texts)), Bytes(record));

    const ChannelTexts cleared = DecodeChannel(RecordFrom(Hex("00256447ffffffffffffffff958ffeff")), true);
    QCOMPARE(cleared, Row({"476.42500", "", "Off", "Off", "Low", "12.5K", "Off", "Off", "QT", "Off", "Off", ""}));
}

// Every list item and flag word, and frequencies with and without a value:
// text -> Channel -> record -> Channel -> text gives the text back, and the
// record reads as the same texts.
void TestChannelCodec::goldenRoundTrip_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    for (const QString text : {"476.42500", "400.00625", "000.00000", "999.99999", ""})
        for (int column : {ColRx, ColTx})
            QTest::addRow("%d %s", column, qPrintable(text)) << column << text;
    for (int column = ColDecodeTone; column <= ColScanAdd; ++column)
        for (const QString& item : ChoiceItems(column))
            QTest::addRow("%d %s", column, qPrintable(item)) << column << item;
    for (const ChannelFlagEntry& entry : ChannelFlagTable())
        QTest::addRow("flag %08x", entry.Field) << FlagColumn(entry.Field) << entry.Text;
}

void TestChannelCodec::goldenRoundTrip()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    ChannelTexts texts = StartedRowTexts(QStringLiteral("476.42500"));
    TextOf(texts, column) = text;
    const Outcome<Channel> parsed = ParseChannel(texts, 1);
    QVERIFY2(!parsed.Failure, qPrintable(parsed.Failure ? parsed.Failure->Text() : QString()));
    const ChannelRecord record = EncodeRecord(parsed.Value);
    const std::optional<Channel> decoded = DecodeRecord(record);
    QVERIFY(decoded);
    QVERIFY(*decoded == parsed.Value);
    QCOMPARE(ChannelTextsOf(*decoded), texts);
    QCOMPARE(DecodeChannel(record, false), texts);
}

void TestChannelCodec::emptyRow()
{
    QCOMPARE(Bytes(EncodeChannel(ChannelTexts{})), Hex("ffffffffffffffffffffffff958ffeff"));
    // Words compared case-sensitively: anything else is the clear entry.
    QCOMPARE(Bytes(EncodeChannel(Row({"", "", "", "", "high", "25k", "on", "dtmf", "qt*dtmf", "ON", "on"}))),
             Hex("ffffffffffffffffffffffff958ffeff"));
}

void TestChannelCodec::emptySlotClearing()
{
    const ChannelRecord empty = RecordFrom(Hex("ffffffffffffffffffffffff958ffeff"));
    QCOMPARE(DecodeChannel(empty, true), ChannelTexts{});
    const ChannelTexts raw = DecodeChannel(empty, false);
    QCOMPARE(TextOf(raw, ColRx), QString());
    QCOMPARE(TextOf(raw, ColPower), QStringLiteral("Low"));
    QCOMPARE(TextOf(raw, ColBandwidth), QStringLiteral("12.5K"));
    QCOMPARE(TextOf(raw, ColUnmute), QStringLiteral("QT"));
}

void TestChannelCodec::names_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<QString>("decoded");
    QTest::newRow("mixed case and a foreign character") << "ab-1" << Hex("0a0bff01ffff") << "AB";
    QTest::newRow("six characters") << "ZZ0099" << Hex("232300000909") << "ZZ0099";
    QTest::newRow("cut at six") << "ABCDEFGH" << Hex("0a0b0c0d0e0f") << "ABCDEF";
    QTest::newRow("empty") << "" << Hex("ffffffffffff") << "";
}

void TestChannelCodec::names()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, slot);
    QFETCH(QString, decoded);
    const ChannelNameSlot encoded = EncodeName(text);
    QCOMPARE(Bytes(encoded), slot + Hex("ffffffffffffffffffff"));
    QCOMPARE(DecodeName(encoded), decoded);
}

void TestChannelCodec::loadKeepsNameOfEmptySlot()
{
    MemoryImageBytes image;
    image.fill(0xFF);
    // Slot 2 has a frequency, slot 3 is empty but its name bytes are not, and
    // a code beyond the alphabet (36) ends slot 2's name.
    std::copy_n(Hex("00256447").constData(), 4, image.begin() + 16);
    std::copy_n(Hex("0102240304").constData(), 5, image.begin() + 0x1010);
    std::copy_n(Hex("0a0b").constData(), 2, image.begin() + 0x1020);
    ChannelTable table;
    table.SetText(3, ColName, QStringLiteral("KEEP"));
    table.SetText(3, ColPower, QStringLiteral("High"));
    LoadChannelsFromImage(image, table);
    QCOMPARE(table.Text(2, ColName), QStringLiteral("12"));
    QCOMPARE(table.Text(3, ColName), QStringLiteral("KEEP"));
    QCOMPARE(table.Text(3, ColPower), QString());
    QCOMPARE(table.Text(0, ColRx), QStringLiteral(" RX Frequency(MHZ) "));
    QCOMPARE(table.Text(128, ColChannel), QStringLiteral("128"));
}

void TestChannelCodec::loadTxOnlySlot()
{
    MemoryImageBytes image;
    image.fill(0xFF);
    std::copy_n(Hex("ffffffff00256447").constData(), 8, image.begin() + 4 * 16);
    std::copy_n(Hex("1c").constData(), 1, image.begin() + 0x1000 + 4 * 16);
    ChannelTable table;
    LoadChannelsFromImage(image, table);
    QCOMPARE(table.Text(5, ColRx), QString());
    QCOMPARE(table.Text(5, ColTx), QStringLiteral("476.42500"));
    QCOMPARE(table.Text(5, ColName), QStringLiteral("S"));
}

void TestChannelCodec::randomRowsRoundTrip()
{
    QRandomGenerator random(20240501);
    for (int i = 0; i < 2000; ++i) {
        ChannelTexts texts = RandomChannelTexts(random);
        TextOf(texts, ColName).clear();
        const ChannelRecord record = EncodeChannel(texts);
        QCOMPARE(DecodeChannel(record, true), texts);
        QCOMPARE(Bytes(EncodeChannel(DecodeChannel(record, true))), Bytes(record));
    }
}

void TestChannelCodec::randomImageRoundTrip()
{
    QRandomGenerator random(77);
    for (int i = 0; i < 20; ++i) {
        const ChannelTable table = RandomChannelTable(random);
        MemoryImageBytes image;
        image.fill(0);
        StoreChannelsToImage(table, image);
        QVERIFY(std::all_of(image.begin() + 0x800, image.begin() + 0x1000, [](auto b) { return b == 0xFF; }));
        QVERIFY(std::all_of(image.begin() + 0x1800, image.end(), [](auto b) { return b == 0xFF; }));
        ChannelTable loaded;
        LoadChannelsFromImage(image, loaded);
        QVERIFY(loaded == table);
        MemoryImageBytes again;
        StoreChannelsToImage(loaded, again);
        QVERIFY(again == image);
    }
}

// Whatever a radio holds reads into texts that write back to the same texts,
// and the check before a write lets every one of them through.
void TestChannelCodec::radioImagesRoundTrip()
{
    const BandLimits fixedBand{400, 480.9995L, 400, 480.9995L};
    QRandomGenerator random(31337);
    for (int i = 0; i < 300; ++i) {
        // Every slot any frequency, or the shown rows inside the band.
        const bool anyFrequency = i % 2 == 0;
        const MemoryImageBytes image = RandomRadioImage(random, anyFrequency ? 1 : 100);
        ChannelTable read;
        LoadChannelsFromImage(image, read);
        MemoryImageBytes written;
        StoreChannelsToImage(read, written);
        ChannelTable again;
        LoadChannelsFromImage(written, again);
        for (int row = 1; row < ChannelTable::RowCount; ++row)
            QCOMPARE(again.RowTexts(row), read.RowTexts(row));
        if (!anyFrequency) {
            const std::optional<Problem> check = CheckRowsForWrite(read, fixedBand);
            QVERIFY2(!check, qPrintable(check ? check->Text() : QString()));
        }
    }
}

void TestChannelCodec::keyFilters_data()
{
    QTest::addColumn<bool>("name");   // FilterNameKey, else FilterDecimalKey
    QTest::addColumn<QString>("current");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QChar>("key");
    QTest::addColumn<QChar>("keyAfter");
    QTest::addColumn<QString>("kept");
    const QChar none(0), bs(BackspaceKey);
    QTest::newRow("digit") << false << "476" << 10 << QChar(u'4') << QChar(u'4') << "476";
    QTest::newRow("first point") << false << "476" << 10 << QChar(u'.') << QChar(u'.') << "476";
    QTest::newRow("second point") << false << "476.4" << 10 << QChar(u'.') << none << "476.4";
    QTest::newRow("letter in a frequency") << false << "476" << 10 << QChar(u'a') << none << "476";
    QTest::newRow("backspace") << false << "476.4" << 10 << bs << bs << "476.4";
    QTest::newRow("twelfth character restarts") << false << "476.4250000" << 10 << QChar(u'4') << QChar(u'4') << "";
    QTest::newRow("restart allows a point again") << false << "476.4250000" << 10 << QChar(u'.') << QChar(u'.') << "";
    QTest::newRow("lower case name letter") << true << "AB" << 5 << QChar(u'a') << QChar(u'A') << "AB";
    QTest::newRow("name digit") << true << "AB" << 5 << QChar(u'7') << QChar(u'7') << "AB";
    QTest::newRow("name point") << true << "AB" << 5 << QChar(u'.') << none << "AB";
    QTest::newRow("name dash") << true << "AB" << 5 << QChar(u'-') << none << "AB";
    QTest::newRow("seventh name character restarts") << true << "ABCDEF" << 5 << QChar(u'g') << QChar(u'G') << "";
}

void TestChannelCodec::keyFilters()
{
    QFETCH(bool, name);
    QFETCH(QString, current);
    QFETCH(int, maxLength);
    QFETCH(QChar, key);
    QFETCH(QChar, keyAfter);
    QFETCH(QString, kept);
    const QString result = name ? FilterNameKey(current, key, maxLength) : FilterDecimalKey(current, key, maxLength);
    QCOMPARE(key, keyAfter);
    QCOMPARE(result, kept);
}

// Verify after write names the first byte that differs by channel and field.
void TestChannelCodec::imageBytesByChannelAndField_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("name");
    QTest::newRow("first record byte") << 0x0000 << "channel 1, RX frequency";
    QTest::newRow("RX, last byte") << 0x0013 << "channel 2, RX frequency";
    QTest::newRow("TX") << 0x0024 << "channel 3, TX frequency";
    QTest::newRow("decode tone") << 0x0039 << "channel 4, decode tone";
    QTest::newRow("encode tone") << 0x004A << "channel 5, encode tone";
    QTest::newRow("flags A") << 0x005C << "channel 6, signalling, unmute and repeater flags";
    QTest::newRow("flags B") << 0x006D << "channel 7, bandwidth, power and scan flags";
    QTest::newRow("flags C") << 0x007E << "channel 8, busy lock flag";
    QTest::newRow("reserved") << 0x07FF << "channel 128, reserved byte";
    QTest::newRow("between the regions") << 0x0800 << "";
    QTest::newRow("name") << 0x1045 << "channel 5, name";
    QTest::newRow("name padding") << 0x1046 << "channel 5, name padding";
    QTest::newRow("last name byte") << 0x17FF << "channel 128, name padding";
    QTest::newRow("after the names") << 0x1800 << "";
}

void TestChannelCodec::imageBytesByChannelAndField()
{
    QFETCH(int, offset);
    QFETCH(QString, name);
    QCOMPARE(DescribeImageByte(offset), name);
    if (name.isEmpty())
        return;
    MemoryImageBytes written{}, readBack{};
    readBack[0x0900] = 1;  // never written: not compared
    readBack[offset] = 0x5A;
    const ImageDifference difference = FirstImageDifference(written, readBack);
    QCOMPARE(difference.Offset, offset);
    QCOMPARE(ImageDifferenceMessage(difference),
             QStringLiteral("Verify after write: %1 reads back 5Ah where 00h was written (image byte %2h).")
                 .arg(name, QStringLiteral("%1").arg(offset, 4, 16, QLatin1Char('0')).toUpper()));
}

QTEST_GUILESS_MAIN(TestChannelCodec)
#include "tst_channelcodec.moc"
