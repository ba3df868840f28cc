// Option controls as data: the frame mapping both ways and the option file.
#include "base/TextLines.h"
#include "options/OptionFile.h"
#include "options/OptionFrame.h"

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

QStringList DesignLines()
{
    return SplitTextLines(QString::fromLatin1(WriteControlLines(DesignOptionValues())));
}

} // namespace

Q_DECLARE_METATYPE(OptionValues)

class TestOptionData : public QObject {
    Q_OBJECT
private slots:
    void frameBytesFromControls_data();
    void frameBytesFromControls();
    void controlsFromFrameBytes_data();
    void controlsFromFrameBytes();

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
    void boundedFilesAndExcerpts();
};

void TestOptionData::frameBytesFromControls_data()
{
    QTest::addColumn<OptionValues>("values");
    QTest::addColumn<QByteArray>("frame");  // 0E20h .. 0E2Fh
    // Values distinct enough that any two bytes swapped would show.
    OptionValues distinct;
    distinct.at = {98, 50, 104, 8, 3, 14, 9, 88, 2, 6, 7, 1, 0, 1};
    QTest::newRow("distinct values")
        << distinct << QByteArray::fromHex("63 32 68 00 09 08 07 58 01 0E 03 00 01 06 02 00");
    OptionValues unselected = DesignOptionValues();
    unselected[OptionSlot::CurrentChannel] = -1;
    unselected[OptionSlot::Backlight] = -1;
    unselected[OptionSlot::PreAlert] = -1;
    unselected[OptionSlot::KeyLock] = 1;
    unselected[OptionSlot::HighPower] = 1;
    QTest::newRow("unselected lists are FFh")
        << unselected << QByteArray::fromHex("FF 00 01 00 04 00 04 00 01 01 FF 01 00 0C FF 00");
}

void TestOptionData::frameBytesFromControls()
{
    QFETCH(OptionValues, values);
    QFETCH(QByteArray, frame);
    const OptionFrame bytes = FrameFromOptions(values);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(bytes.data()), 16), frame);
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
    row("05h selects the fifth channel", 0x0, 0x05, OptionSlot::CurrentChannel, 4);
    row("00h channel is none", 0x0, 0x00, OptionSlot::CurrentChannel, -1);
    row("64h channel is none", 0x0, 0x64, OptionSlot::CurrentChannel, -1);
    row("DCS beyond items", 0x2, 105, OptionSlot::Dcs, -1);
    row("backlight beyond items", 0xA, 6, OptionSlot::Backlight, -1);
    row("FFh pre-alert is none", 0xE, 0xFF, OptionSlot::PreAlert, -1);
    row("empty beep item", 0x6, 9, OptionSlot::BeepVolume, 9);
    row("check box bit 0 set", 0xB, 0x03, OptionSlot::KeyLock, 1);
    row("check box bit 0 clear", 0xC, 0xFE, OptionSlot::CeilingMounting, 0);
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
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("last");
    QTest::newRow("CR LF") << QString("1\r\n2\r\n") << 2 << QString("2");
    QTest::newRow("LF") << QString("1\n2\n") << 2 << QString("2");
    QTest::newRow("CR") << QString("1\r2\r") << 2 << QString("2");
    QTest::newRow("no final break") << QString("1\r\n2") << 2 << QString("2");
    QTest::newRow("empty line kept") << QString("1\r\n\r\n") << 2 << QString();
    QTest::newRow("LF CR is two breaks") << QString("1\n\r2") << 3 << QString("2");
}

void TestOptionData::splitLines()
{
    QFETCH(QString, text);
    QFETCH(int, count);
    QFETCH(QString, last);
    const QStringList lines = SplitTextLines(text);
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
    QTest::newRow("check box 0 clears") << 13 << QByteArray("0") << 0;
    QTest::newRow("check box -3 ticks") << 13 << QByteArray("-3") << 1;
}

void TestOptionData::goodFiles()
{
    QFETCH(int, line);
    QFETCH(QByteArray, text);
    QFETCH(int, value);
    QStringList lines = DesignLines();
    lines[line] = QString::fromLatin1(text);
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
    QTest::newRow("list below -1") << 1 << QByteArray("-2") << "line 2 (CTCSS)";
    QTest::newRow("channel beyond 99") << 0 << QByteArray("99") << "line 1 (The Current Channel)";
    QTest::newRow("beep beyond tenth item") << 10 << QByteArray("10") << "line 11 (Beep Volumecon)";
    QTest::newRow("blank before digits") << 6 << QByteArray(" 4") << "line 7 (Ssquelch Leverl)";
    QTest::newRow("decimal point") << 4 << QByteArray("5.0") << "line 5 (Backlighting Level)";
    QTest::newRow("too large") << 13 << QByteArray("99999999999") << "line 14 (Hight TX Power)";
}

void TestOptionData::badFilesRefusedWhole()
{
    QFETCH(int, line);
    QFETCH(QByteArray, text);
    QFETCH(QString, named);
    QStringList lines = DesignLines();
    if (line < 0)
        lines.removeLast();
    else
        lines[line] = QString::fromLatin1(text);
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
    both[OptionSlot::Ctcss] = 5;
    both[OptionSlot::Dcs] = 7;
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

// An option file larger than any can be is refused unread; a bad line is
// quoted as an excerpt; a folder or pipe is no place to save.
void TestOptionData::boundedFilesAndExcerpts()
{
    QTemporaryDir dir;
    QString error;
    const QByteArray lines = WriteControlLines(EveryControlChanged());
    const QString atLimit = dir.filePath("limit.optw"), large = dir.filePath("large.optw");
    for (const auto& [path, size] : {std::pair{atLimit, MaxOptionFileBytes}, std::pair{large, MaxOptionFileBytes + 1}}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(lines + QByteArray(size - lines.size(), '\n'));
    }
    OptionValues v = DesignOptionValues();
    QVERIFY2(ReadOptionFile(atLimit, v, error), qPrintable(error));
    QCOMPARE(v, EveryControlChanged());
    v = DesignOptionValues();
    QVERIFY(!ReadOptionFile(large, v, error));
    QCOMPARE(error, large + ": is larger than 65536 bytes, more than a file of this kind can hold");
    QCOMPARE(v, DesignOptionValues());

    QStringList bad = DesignLines();
    bad[2] = QString(QChar(0)) + QString(100000, u'7');
    QVERIFY(!ReadControlLines(bad, v, error));
    QVERIFY2(error.endsWith("\"\\x00" + QString(39, u'7') + "...\" is not a number from -1 to 104"), qPrintable(error));

    QVERIFY(QDir().mkdir(dir.filePath("folder.optw")));
    QVERIFY(!WriteOptionFile(dir.filePath("folder.optw"), DesignOptionValues(), error));
    QCOMPARE(error, dir.filePath("folder.optw") + ": is a folder, not a file");
    QVERIFY(QFileInfo(dir.filePath("folder.optw")).isDir());
}

QTEST_GUILESS_MAIN(TestOptionData)
#include "tst_optiondata.moc"
