// Faults the fuzz targets found, each pinned down by the smallest case that
// shows it. The inputs that found them are in the corpus and replay as well.
#include "link/Frames.h"
#include "ui/common/JpegCodec.h"

#include <QImage>
#include <QTest>

namespace {

// A small good JPEG picture whose frame header claims another size.
QByteArray JpegClaimingSize(quint16 width, quint16 height)
{
    QImage image(16, 16, QImage::Format_RGB888);
    image.fill(Qt::darkCyan);
    QByteArray jpeg;
    QString error;
    if (!EncodeJpeg(image, 90, jpeg, error))
        return {};
    const qsizetype frame = jpeg.indexOf(QByteArray("\xFF\xC0", 2));  // baseline frame header
    if (frame < 0)
        return {};
    // FF C0, length (2), precision (1), height (2), width (2)
    jpeg[frame + 5] = char(height >> 8);
    jpeg[frame + 6] = char(height);
    jpeg[frame + 7] = char(width >> 8);
    jpeg[frame + 8] = char(width);
    return jpeg;
}

} // namespace

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

    // picturefile: 2 KB of picture file claiming 60000 x 60000 pixels had the
    // decoder allocate 10.8 GB before it found the data missing.
    void hugePictureRefusedBeforeAllocating_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("decodes");
        QTest::newRow("60000 x 60000") << 60000 << 60000 << false;
        QTest::newRow("65000 x 1500, just over 256 MiB") << 65000 << 1500 << false;
        QTest::newRow("as encoded") << 16 << 16 << true;
    }
    void hugePictureRefusedBeforeAllocating()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, decodes);
        const QByteArray jpeg = JpegClaimingSize(quint16(width), quint16(height));
        QVERIFY(!jpeg.isEmpty());
        QImage image;
        QString error;
        QCOMPARE(DecodeJpeg(jpeg, image, error), decodes);
        if (!decodes)
            QVERIFY2(error.contains(QStringLiteral("too large")), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestFuzzRegressions)
#include "tst_fuzzregressions.moc"
