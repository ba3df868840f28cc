// Faults the fuzz targets found, each pinned down by the smallest case that
// shows it. The inputs that found them are in the corpus and replay as well.
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
