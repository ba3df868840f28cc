// The folders are layers: a source file includes only from its own folder
// and from folders of lower layers. The order lives here and nowhere else.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

namespace {

// Lowest first. Folders on one line are peers and do not include each other.
const QList<QStringList> Layers = {
    {"base"},                        // texts, program state, band, the radio's data types
    {"link"},                        // the line to the radio and its protocol
    {"sim", "channels", "options"},  // the simulated radio; the radio's data, no widgets
    {"history"},                     // every image read or written, kept
    {"exchange"},                    // every radio exchange, from its check to its verify
    {"cli", "simtool", "ui/common"}, // the command lines; shared window pieces
    {"ui/channels", "ui/options"},   // the two child windows
    {"app"},                         // main window and program start
    {"bench", "tests"},
};

const QString Root = QStringLiteral(FANE5_SOURCE_DIR);

// The listed folder a path lies in (the longest match), or empty.
QString FolderOf(const QString& relativePath)
{
    QString best;
    for (const QStringList& layer : Layers)
        for (const QString& folder : layer)
            if (relativePath.startsWith(folder + u'/') && folder.size() > best.size())
                best = folder;
    return best;
}

int LayerOf(const QString& folder)
{
    for (int i = 0; i < Layers.size(); ++i)
        if (Layers[i].contains(folder))
            return i;
    return -1;
}

QStringList SourceFiles()
{
    QStringList files;
    QDirIterator it(Root, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
    const QDir root(Root);
    while (it.hasNext()) {
        const QString path = root.relativeFilePath(it.next());
        if (!path.startsWith(u"build") && !path.startsWith(u'.'))
            files << path;
    }
    return files;
}

// The included file relative to the root: beside the including file first,
// then from the root, as the compiler looks; empty when it is neither.
QString ResolveInclude(const QString& includer, const QString& name)
{
    const QDir root(Root);
    const QString beside = QDir::cleanPath(QFileInfo(includer).path() + u'/' + name);
    if (QFileInfo::exists(root.filePath(beside)))
        return beside;
    return QFileInfo::exists(root.filePath(name)) ? QDir::cleanPath(name) : QString();
}

} // namespace

class TestLayers : public QObject {
    Q_OBJECT
private slots:
    void includesPointDown();
};

void TestLayers::includesPointDown()
{
    static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s*\"([^\"]+)\""));
    const QStringList files = SourceFiles();
    QVERIFY(files.size() > 100);
    QStringList wrong;
    for (const QString& file : files) {
        const QString folder = FolderOf(file);
        if (folder.isEmpty()) {
            wrong << file + QStringLiteral(": in no layer");
            continue;
        }
        QFile source(QDir(Root).filePath(file));
        QVERIFY(source.open(QIODevice::ReadOnly));
        int lineNumber = 0;
        while (!source.atEnd()) {
            ++lineNumber;
            const auto m = include.match(QString::fromUtf8(source.readLine()));
            if (!m.hasMatch() || m.captured(1).endsWith(u".moc"))
                continue;
            const QString where = QStringLiteral("%1:%2 \"%3\"").arg(file).arg(lineNumber).arg(m.captured(1));
            const QString target = ResolveInclude(file, m.captured(1));
            const QString targetFolder = FolderOf(target);
            if (target.isEmpty())
                wrong << where + QStringLiteral(": no such file");
            else if (targetFolder != folder && LayerOf(targetFolder) >= LayerOf(folder))
                wrong << where + QStringLiteral(": %1 is not below %2").arg(targetFolder, folder);
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(u'\n' + wrong.join(u'\n')));
}

QTEST_GUILESS_MAIN(TestLayers)
#include "tst_layers.moc"
