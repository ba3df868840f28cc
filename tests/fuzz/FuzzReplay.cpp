// Runs the target named by FUZZ_FUNCTION over every input of its corpus
// folder FUZZ_CORPUS: the seeds, and each input a fuzzer once broke the
// program with, so a fixed fault stays fixed.
#include "FuzzTargets.h"

#include <QDir>
#include <QFile>
#include <QTest>

class FuzzReplay : public QObject {
    Q_OBJECT
    const QDir corpus{QStringLiteral(FUZZ_CORPUS)};

private slots:
    void initTestCase()
    {
        QVERIFY2(!corpus.entryList(QDir::Files).isEmpty(), qPrintable(corpus.path() + QStringLiteral(" holds no inputs")));
    }

    void replay_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString& name : corpus.entryList(QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(name)) << corpus.filePath(name);
    }

    void replay()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray input = file.readAll();
        QCOMPARE(FUZZ_FUNCTION(reinterpret_cast<const std::uint8_t*>(input.constData()), std::size_t(input.size())), 0);
    }
};

QTEST_GUILESS_MAIN(FuzzReplay)
#include "FuzzReplay.moc"
