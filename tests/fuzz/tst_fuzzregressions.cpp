// Faults the fuzz targets found, each pinned down by the smallest case that
// shows it. The inputs that found them are in the corpus and replay as well.
#include "Frames.h"

#include <QTest>

class TestFuzzRegressions : public QObject {
    Q_OBJECT
private slots:
    // hextext: "-b" parsed as a hex number gave byte value -11.
    void hexTextByteAtStaysAByte_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("expected");
        QTest::newRow("minus sign") << QStringLiteral("-F ") << 0 << -1;
        QTest::newRow("minus sign, second byte") << QStringLiteral("6;b-bbbb") << 1 << -1;
        QTest::newRow("largest byte") << QStringLiteral("06 FF ") << 1 << 0xFF;
        QTest::newRow("byte cut short") << QStringLiteral("0A 1") << 1 << -1;
    }
    void hexTextByteAtStaysAByte()
    {
        QFETCH(QString, text);
        QFETCH(int, k);
        QFETCH(int, expected);
        QCOMPARE(HexTextByteAt(text, k), expected);
    }
};

QTEST_GUILESS_MAIN(TestFuzzRegressions)
#include "tst_fuzzregressions.moc"
