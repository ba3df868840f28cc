// Option controls as data: the frame mapping both ways and the option file.
#include "OptionFile.h"
#include "OptionFrame.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// Every control moved off its design value, the hidden ones included.
OptionValues EveryControlChanged()
{
    OptionValues v;
    v.at = {98, 50, 0, 8, 0, 14, 9, 88, 0, 3, 9, 1, 1, 1};
    return v;
}

QList<QByteArray> DesignLines()
{
    return SplitFileLines(WriteControlLines(DesignOptionValues()));
}

} // namespace

class TestOptionData : public QObject {
    Q_OBJECT
private slots:
    void frameBytesFromControls_data();
    void frameBytesFromControls();
    void controlsFromFrameBytes_data();
    void controlsFromFrameBytes();
    void frameRoundTrip();

    void freshWindowLines();
    void defaultKeepsTimersBeepAndCheckBoxes();
    void splitLines_data();
    void splitLines();
    void goodFiles_data();
    void goodFiles();
    void badFilesRefusedWhole_data();
    void badFilesRefusedWhole();
    void fileRoundTripEveryControl();
    void unwritableAndMissingFiles();
};

void TestOptionData::frameBytesFromControls_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("byte");
    auto row = [](const char* name, OptionSlot s, int value, int offset, int byte) {
        QTest::newRow(name) << int(s) << value << offset << byte;
    };
    row("channel 5 is 05h", OptionSlot::ComboBox1, 4, 0x0, 0x05);
    row("CTCSS index", OptionSlot::ComboBox2, 12, 0x1, 12);
    row("DCS index", OptionSlot::ComboBox3, 104, 0x2, 104);
    row("squelch at 0E24h", OptionSlot::ComboBox4, 9, 0x4, 9);
    row("repeater at 0E25h", OptionSlot::ComboBox5, 8, 0x5, 8);
    row("beep at 0E26h", OptionSlot::ComboBox11, 9, 0x6, 9);
    row("priority scan at 0E27h", OptionSlot::ComboBox6, 88, 0x7, 88);
    row("high power ticked", OptionSlot::CheckBox1, 1, 0x8, 0x01);
    row("volume at 0E29h", OptionSlot::ComboBox7, 14, 0x9, 14);
    row("backlight at 0E2Ah", OptionSlot::ComboBox8, 3, 0xA, 3);
    row("key lock ticked", OptionSlot::CheckBox6, 1, 0xB, 0x01);
    row("ceiling mount ticked", OptionSlot::CheckBox4, 1, 0xC, 0x01);
    row("time-out at 0E2Dh", OptionSlot::ComboBox10, 7, 0xD, 7);
    row("pre-alert at 0E2Eh", OptionSlot::ComboBox9, 2, 0xE, 2);
    row("unselected channel", OptionSlot::ComboBox1, -1, 0x0, 0xFF);
    row("unselected list", OptionSlot::ComboBox8, -1, 0xA, 0xFF);
}

void TestOptionData::frameBytesFromControls()
{
    QFETCH(int, slot);
    QFETCH(int, value);
    QFETCH(int, offset);
    QFETCH(int, byte);
    OptionValues v = DesignOptionValues();
    v.at[slot] = value;
    const OptionFrame frame = FrameFromOptions(v);
    QCOMPARE(int(frame[offset]), byte);
    QCOMPARE(int(frame[0x3]), 0);
    QCOMPARE(int(frame[0xF]), 0);
}

void TestOptionData::controlsFromFrameBytes_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("value");
    auto row = [](const char* name, int offset, int byte, OptionSlot s, int value) {
        QTest::newRow(name) << offset << byte << int(s) << value;
    };
    row("05h selects the fifth channel", 0x0, 0x05, OptionSlot::ComboBox1, 4);
    row("63h selects channel 99", 0x0, 0x63, OptionSlot::ComboBox1, 98);
    row("00h channel is none", 0x0, 0x00, OptionSlot::ComboBox1, -1);
    row("64h channel is none", 0x0, 0x64, OptionSlot::ComboBox1, -1);
    row("last DCS", 0x2, 104, OptionSlot::ComboBox3, 104);
    row("DCS beyond items", 0x2, 105, OptionSlot::ComboBox3, -1);
    row("backlight beyond items", 0xA, 6, OptionSlot::ComboBox8, -1);
    row("FFh pre-alert is none", 0xE, 0xFF, OptionSlot::ComboBox9, -1);
    row("empty beep item", 0x6, 9, OptionSlot::ComboBox11, 9);
    row("check box bit 0 set", 0xB, 0x03, OptionSlot::CheckBox6, 1);
    row("check box bit 0 clear", 0xC, 0xFE, OptionSlot::CheckBox4, 0);
    row("high power from 0E28h", 0x8, 0x01, OptionSlot::CheckBox1, 1);
}

void TestOptionData::controlsFromFrameBytes()
{
    QFETCH(int, offset);
    QFETCH(int, byte);
    QFETCH(int, slot);
    QFETCH(int, value);
    OptionFrame frame = FrameFromOptions(DesignOptionValues());
    frame[offset] = std::uint8_t(byte);
    frame[0x3] = 0x5A;  // ignored bytes change nothing
    frame[0xF] = 0xA5;
    OptionValues expected = DesignOptionValues();
    expected.at[slot] = value;
    QCOMPARE(OptionsFromFrame(frame), expected);
}

void TestOptionData::frameRoundTrip()
{
    for (const OptionValues& v : {DesignOptionValues(), EveryControlChanged()})
        QCOMPARE(OptionsFromFrame(FrameFromOptions(v)), v);
}

void TestOptionData::freshWindowLines()
{
    QCOMPARE(WriteControlLines(DesignOptionValues()),
             QByteArray("0\r\n0\r\n1\r\n0\r\n5\r\n1\r\n4\r\n0\r\n12\r\n12\r\n4\r\n0\r\n0\r\n0\r\n"));
}

void TestOptionData::defaultKeepsTimersBeepAndCheckBoxes()
{
    const OptionValues before = EveryControlChanged();
    const OptionValues after = DefaultOptionValues(before);
    OptionValues expected = before;
    expected.at = {0, 0, 1, 0, 0, 0, 0, 0, before.at[8], before.at[9], before.at[10], 1, 1, 1};
    QCOMPARE(after, expected);
}

void TestOptionData::splitLines_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<QByteArray>("last");
    QTest::newRow("CR LF") << QByteArray("1\r\n2\r\n") << 2 << QByteArray("2");
    QTest::newRow("LF") << QByteArray("1\n2\n") << 2 << QByteArray("2");
    QTest::newRow("CR") << QByteArray("1\r2\r") << 2 << QByteArray("2");
    QTest::newRow("no final break") << QByteArray("1\r\n2") << 2 << QByteArray("2");
    QTest::newRow("empty line kept") << QByteArray("1\r\n\r\n") << 2 << QByteArray();
    QTest::newRow("LF CR is two breaks") << QByteArray("1\n\r2") << 3 << QByteArray("2");
}

void TestOptionData::splitLines()
{
    QFETCH(QByteArray, text);
    QFETCH(int, count);
    QFETCH(QByteArray, last);
    const QList<QByteArray> lines = SplitFileLines(text);
    QCOMPARE(lines.size(), count);
    QCOMPARE(lines.last(), last);
}

void TestOptionData::goodFiles_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("-1 list loads unselected") << 4 << QByteArray("-1") << -1;
    QTest::newRow("last channel") << 0 << QByteArray("98") << 98;
    QTest::newRow("check box 2 ticks") << 11 << QByteArray("2") << 1;
    QTest::newRow("check box 1 ticks") << 12 << QByteArray("1") << 1;
    QTest::newRow("check box 0 clears") << 13 << QByteArray("0") << 0;
    QTest::newRow("check box -3 ticks") << 13 << QByteArray("-3") << 1;
}

void TestOptionData::goodFiles()
{
    QFETCH(int, line);
    QFETCH(QByteArray, text);
    QFETCH(int, value);
    QList<QByteArray> lines = DesignLines();
    lines[line] = text;
    lines << "garbage after the fourteenth line is ignored";
    OptionValues v = EveryControlChanged();
    QString error;
    QVERIFY2(ReadControlLines(lines, v, error), qPrintable(error));
    OptionValues expected = DesignOptionValues();
    expected.at[line] = value;
    QCOMPARE(v, expected);
}

void TestOptionData::badFilesRefusedWhole_data()
{
    QTest::addColumn<int>("line");   // -1: cut the file to 13 lines
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("named");
    QTest::newRow("13 lines") << -1 << QByteArray() << "line 14 (Hight TX Power)";
    QTest::newRow("yes in a check box") << 11 << QByteArray("yes") << "line 12 (LCD Ceiling Mounting)";
    QTest::newRow("empty check box line") << 12 << QByteArray() << "line 13 (Locking Key)";
    QTest::newRow("list below -1") << 1 << QByteArray("-2") << "line 2 (CTCSS)";
    QTest::newRow("channel beyond 99") << 0 << QByteArray("99") << "line 1 (The Current Channel)";
    QTest::newRow("beep beyond tenth item") << 10 << QByteArray("10") << "line 11 (Beep Volumecon)";
    QTest::newRow("blank before digits") << 6 << QByteArray(" 4") << "line 7 (Ssquelch Leverl)";
    QTest::newRow("decimal point") << 4 << QByteArray("5.0") << "line 5 (Backlighting Level)";
    QTest::newRow("hexadecimal") << 3 << QByteArray("0x1") << "line 4 (Repearte)";
    QTest::newRow("too large") << 13 << QByteArray("99999999999") << "line 14 (Hight TX Power)";
}

void TestOptionData::badFilesRefusedWhole()
{
    QFETCH(int, line);
    QFETCH(QByteArray, text);
    QFETCH(QString, named);
    QList<QByteArray> lines = DesignLines();
    if (line < 0)
        lines.removeLast();
    else
        lines[line] = text;
    const OptionValues before = EveryControlChanged();
    OptionValues v = before;
    QString error;
    QVERIFY(!ReadControlLines(lines, v, error));
    QVERIFY2(error.startsWith(named), qPrintable(error));
    QCOMPARE(v, before);
}

void TestOptionData::fileRoundTripEveryControl()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("all.optw");
    QString error;
    QVERIFY2(WriteOptionFile(path, EveryControlChanged(), error), qPrintable(error));
    OptionValues v = DesignOptionValues();
    QVERIFY2(ReadOptionFile(path, v, error), qPrintable(error));
    QCOMPARE(v, EveryControlChanged());

    // Both tones in one file load as they are: the file is not the user.
    OptionValues both = DesignOptionValues();
    both[OptionSlot::ComboBox2] = 5;
    both[OptionSlot::ComboBox3] = 7;
    QVERIFY(WriteOptionFile(path, both, error));
    QVERIFY(ReadOptionFile(path, v, error));
    QCOMPARE(v, both);
}

void TestOptionData::unwritableAndMissingFiles()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("kept.optw");
    QString error;
    QVERIFY(WriteOptionFile(path, DesignOptionValues(), error));
    QVERIFY(!WriteOptionFile(dir.filePath("no/such/dir/x.optw"), DesignOptionValues(), error));
    QVERIFY(error.contains("no/such/dir"));

    OptionValues v = EveryControlChanged();
    QVERIFY(!ReadOptionFile(dir.filePath("missing.optw"), v, error));
    QVERIFY(error.contains("missing.optw"));
    QCOMPARE(v, EveryControlChanged());
}

QTEST_GUILESS_MAIN(TestOptionData)
#include "tst_optiondata.moc"
