// The user guide's pictures: every picture docs/guide.md shows is committed
// under docs/pictures, is not blank, and has the size that fane5-screenshots
// gives it now; the program makes no picture the guide does not show, and
// no committed picture is left unshown.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Docs = QStringLiteral(FANE5_DOCS_DIR);

// "pictures/main-window.png" for every ![...](pictures/main-window.png).
QStringList ShownPictures()
{
    QFile guide(Docs + QStringLiteral("/guide.md"));
    if (!guide.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    static const QRegularExpression link(QStringLiteral("!\\[[^\\]]*\\]\\((pictures/[^)\\s]+\\.png)\\)"));
    QStringList names;
    for (const QRegularExpressionMatch& match : link.globalMatch(QString::fromUtf8(guide.readAll())))
        names << match.captured(1);
    names.removeDuplicates();
    names.sort();
    return names;
}

QStringList PicturesIn(const QString& folder)
{
    QStringList names;
    for (const QString& file : QDir(folder).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name))
        names << QStringLiteral("pictures/") + file;
    return names;
}

// A picture of a window has many colours; a blank one has one or two.
int ColoursUpTo(const QImage& image, int enough)
{
    QSet<QRgb> seen;
    for (int y = 0; y < image.height() && seen.size() < enough; ++y)
        for (int x = 0; x < image.width(); ++x)
            seen.insert(image.pixel(x, y));
    return int(seen.size());
}

} // namespace

class TestGuidePictures : public QObject {
    Q_OBJECT
    QTemporaryDir made_;

private slots:
    void initTestCase()
    {
        QVERIFY(made_.isValid());
        QProcess program;
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(QStringLiteral(FANE5_SCREENSHOTS), {made_.path()});
        QVERIFY(program.waitForFinished(600000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }

    void everyPictureIsShown()
    {
        const QStringList shown = ShownPictures();
        QVERIFY(shown.size() >= 8);
        QCOMPARE(PicturesIn(made_.path()), shown);
        QCOMPARE(PicturesIn(Docs + QStringLiteral("/pictures")), shown);
    }

    void picturesMatchTheProgram_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString& name : ShownPictures())
            QTest::newRow(qPrintable(name)) << name;
    }
    void picturesMatchTheProgram()
    {
        QFETCH(QString, name);
        const QImage committed(Docs + u'/' + name);
        QVERIFY2(!committed.isNull(), "not committed, or not a PNG picture");
        QVERIFY(ColoursUpTo(committed, 16) >= 16);
        const QImage now(QDir(made_.path()).filePath(name.section(u'/', 1)));
        QVERIFY(!now.isNull());
        QCOMPARE(committed.size(), now.size());
    }
};

QTEST_GUILESS_MAIN(TestGuidePictures)
#include "tst_guidepictures.moc"
