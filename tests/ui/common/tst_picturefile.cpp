// Picture files: made here with and without a title, then read back.
#include "base/ProgramState.h"
#include "base/languagestr.h"
#include "ui/common/JpegCodec.h"
#include "ui/common/PictureFile.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace picturefile;

namespace {

// A picture whose JPEG is well over the 1100 scrambled bytes.
QByteArray TestJpeg()
{
    QImage image(120, 80, QImage::Format_RGB32);
    QPainter p(&image);
    for (int y = 0; y < 80; y += 8) {
        for (int x = 0; x < 120; x += 8)
            p.fillRect(x, y, 8, 8, QColor::fromHsv((x + y) % 360, 200, 220));
    }
    p.end();
    QByteArray jpeg;
    QString error;
    if (!EncodeJpeg(image, 90, jpeg, error))
        qFatal("%s", qPrintable(error));
    return jpeg;
}

QByteArray XorByPosition(QByteArray bytes)
{
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(quint8(bytes[i]) ^ ((i + 1) & 0xFF));
    return bytes;
}

QByteArray WithTrailer(const QByteArray& file, const QByteArray& plainTrailer)
{
    return file.left(file.size() - TrailerSize) + XorByPosition(plainTrailer);
}

} // namespace

class TestPictureFile : public QObject {
    Q_OBJECT
private slots:
    void decodes_data();
    void decodes();
    void refusesBadFiles_data();
    void refusesBadFiles();
    void loadSetsAppTitle();
    void loadBesideProgramFirst_data();
    void loadBesideProgramFirst();
    void loadKeepsAppTitleOnFailure_data();
    void loadKeepsAppTitleOnFailure();
};

void TestPictureFile::decodes_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("hasTitle");
    QTest::addColumn<QString>("title");

    const QByteArray jpeg = TestJpeg();
    const QString three = QString(300, QLatin1Char('x'));
    QTest::newRow("no title") << MakeScrambledPicture(jpeg, std::nullopt) << false << QString();
    QTest::newRow("n = 10") << MakeScrambledPicture(jpeg, QStringLiteral("Ten chars!")) << true
                            << QStringLiteral("Ten chars!");
    QTest::newRow("n = 1") << MakeScrambledPicture(jpeg, QStringLiteral("T")) << true << QStringLiteral("T");
    QTest::newRow("n = 256 is read whole") << MakeScrambledPicture(jpeg, QString(256, QLatin1Char('y')))
                                           << true << QString(256, QLatin1Char('y'));
    // 314 bytes back from the end, but only 255 read.
    QTest::newRow("n = 300 reads 255") << MakeScrambledPicture(jpeg, three) << true << three.left(255);
    // n = 0 still reads one byte: the first trailer digit, unscrambled as title byte 1.
    const QByteArray zero = MakeScrambledPicture(jpeg, QString());
    QTest::newRow("n = 0 reads one byte") << zero << true
                                          << QString(QChar(PictureTrailer(0).at(0) ^ 1));
    // A marker-less trailer: the picture is used and there is no title.
    QTest::newRow("trailer without marker")
        << WithTrailer(MakeScrambledPicture(jpeg, std::nullopt), "0000000Aaetitl") << false << QString();
}

void TestPictureFile::decodes()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, hasTitle);
    QFETCH(QString, title);
    const DecodedPicture picture = DecodeScrambledPicture(file);
    QVERIFY2(picture.error.isEmpty(), qPrintable(picture.error));
    QCOMPARE(picture.image.size(), QSize(120, 80));
    QCOMPARE(picture.title.has_value(), hasTitle);
    if (hasTitle)
        QCOMPARE(*picture.title, title);
}

void TestPictureFile::refusesBadFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("imageSet");  // the JPEG decoded before the trailer failed
    QTest::addColumn<QString>("errorPart");

    const QByteArray jpeg = TestJpeg();
    const QByteArray good = MakeScrambledPicture(jpeg, QStringLiteral("Title"));
    QTest::newRow("empty") << QByteArray() << false << QStringLiteral("too short");
    QTest::newRow("13 bytes") << good.left(13) << false << QStringLiteral("too short");
    QTest::newRow("one byte short of head and trailer") << good.left(ScrambledHeadSize + TrailerSize - 1)
                                                        << false << QStringLiteral("too short");
    QTest::newRow("not a JPEG") << QByteArray(4000, 'Z') << false << QStringLiteral("Not a JPEG");
    const QByteArray cut = good.left(ScrambledHeadSize + (jpeg.size() - ScrambledHeadSize) / 2)
                           + good.right(TrailerSize);
    QTest::newRow("JPEG cut short") << cut << false << QStringLiteral("Not a JPEG");
    QByteArray unscrambled = jpeg + XorByPosition("00000000NOTITL");
    QTest::newRow("head not scrambled") << unscrambled << false << QStringLiteral("Not a JPEG");

    // Title length pointing before the file's start: never read.
    const quint32 tooLong = quint32(good.size());
    const QByteArray before = QByteArray::number((tooLong * TitleLengthDivisor) ^ TitleLengthMask, 16)
                                  .rightJustified(8, '0') + "AETITL";
    QTest::newRow("length before start") << WithTrailer(good, before) << true << QStringLiteral("before the start");
    QTest::newRow("digits not hex") << WithTrailer(good, "12G45678AETITL") << true
                                    << QStringLiteral("not a valid hexadecimal");
    QTest::newRow("sign in digits") << WithTrailer(good, "+1234567AETITL") << true
                                    << QStringLiteral("not a valid hexadecimal");
}

void TestPictureFile::refusesBadFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, imageSet);
    QFETCH(QString, errorPart);
    const DecodedPicture picture = DecodeScrambledPicture(file);
    QVERIFY2(picture.error.contains(errorPart), qPrintable(picture.error));
    QCOMPARE(!picture.image.isNull(), imageSet);
    QVERIFY(!picture.title);
}

void TestPictureFile::loadSetsAppTitle()
{
    QTemporaryDir dir;
    AppDir = dir.path() + QLatin1Char('/');
    QFile file(dir.filePath(QStringLiteral("bkg.dat")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(MakeScrambledPicture(TestJpeg(), QStringLiteral("Ten chars!")));
    file.close();

    const QString before = languagestr::AppTitle;
    QImage graphic;
    QString error;
    QVERIFY2(LoadScrambledPicture(graphic, QStringLiteral("bkg.dat"), error), qPrintable(error));
    QCOMPARE(graphic.size(), QSize(120, 80));
    QCOMPARE(languagestr::AppTitle, QStringLiteral("Ten chars!"));
    languagestr::AppTitle = before;
}

// An installed program has its pictures in the data folder; one beside the
// program (a build folder) wins.
void TestPictureFile::loadBesideProgramFirst_data()
{
    QTest::addColumn<QStringList>("titles");  // beside the program, in the data folder; empty: no file
    QTest::addColumn<QString>("loaded");
    QTest::newRow("beside only") << QStringList{"beside", ""} << "beside";
    QTest::newRow("data folder only") << QStringList{"", "installed"} << "installed";
    QTest::newRow("both") << QStringList{"beside", "installed"} << "beside";
}

void TestPictureFile::loadBesideProgramFirst()
{
    QFETCH(QStringList, titles);
    QFETCH(QString, loaded);
    QTemporaryDir beside;
    QTemporaryDir installed;
    AppDir = beside.path() + QLatin1Char('/');
    DataDir = installed.path() + QLatin1Char('/');
    const QString folders[] = {AppDir, DataDir};
    for (int i = 0; i < 2; ++i) {
        if (titles[i].isEmpty())
            continue;
        QFile file(folders[i] + QStringLiteral("bkg.dat"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(MakeScrambledPicture(TestJpeg(), titles[i]));
    }
    const QString before = languagestr::AppTitle;
    QImage graphic;
    QString error;
    QVERIFY2(LoadScrambledPicture(graphic, QStringLiteral("bkg.dat"), error), qPrintable(error));
    QCOMPARE(languagestr::AppTitle, loaded);
    languagestr::AppTitle = before;
    DataDir.clear();
}

void TestPictureFile::loadKeepsAppTitleOnFailure_data()
{
    QTest::addColumn<QByteArray>("content");  // empty: no file at all
    QTest::addColumn<bool>("imageSet");
    const QByteArray good = MakeScrambledPicture(TestJpeg(), QStringLiteral("Title"));
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("short") << good.left(100) << false;
    QTest::newRow("bad hex, picture kept") << WithTrailer(good, "XXXXXXXXAETITL") << true;
}

void TestPictureFile::loadKeepsAppTitleOnFailure()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, imageSet);
    QTemporaryDir dir;
    AppDir = dir.path() + QLatin1Char('/');
    if (!content.isEmpty()) {
        QFile file(dir.filePath(QStringLiteral("Spl.dat")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const QString before = languagestr::AppTitle;
    QImage graphic;
    QString error;
    QVERIFY(!LoadScrambledPicture(graphic, QStringLiteral("Spl.dat"), error));
    QVERIFY(error.contains(QStringLiteral("Spl.dat")));
    QCOMPARE(!graphic.isNull(), imageSet);
    QCOMPARE(languagestr::AppTitle, before);
}

QTEST_GUILESS_MAIN(TestPictureFile)
#include "tst_picturefile.moc"
