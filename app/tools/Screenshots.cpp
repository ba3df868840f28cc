// fane5-screenshots FOLDER: makes the pictures of the user guide into FOLDER
// (`make screenshots` remakes docs/pictures). Each set runs in a process of
// its own, offscreen on a 1366 x 768 screen, at 100 % and at 150 %:
//     fane5-screenshots --scale PERCENT FOLDER
#include "GuidePictures.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

namespace {

int MakeSet(int argc, char** argv, const QString& percent, const QString& folder)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QString error;
    const bool ok = percent == QStringLiteral("100") ? MakeGuidePictures(folder, error)
                                                      : MakeScaledPictures(folder, error);
    if (!ok)
        std::fprintf(stderr, "fane5-screenshots at %s %%: %s\n", qPrintable(percent), qPrintable(error));
    return ok ? 0 : 1;
}

int MakeBothSets(int argc, char** argv, const QString& folder)
{
    QCoreApplication app(argc, argv);
    // The demo's transfers are kept in a radio history and its settings
    // stored: both in a home of their own, not the user's.
    const QTemporaryDir home;
    for (const QString& percent : {QStringLiteral("100"), QStringLiteral("150")}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"),
                   QStringLiteral("offscreen:configfile=" FANE5_LAPTOP_SCREEN));
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(percent.toInt() / 100.0));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        for (const char* other : {"QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_FONT_DPI"})
            env.remove(QString::fromLatin1(other));
        QProcess set;
        set.setProcessEnvironment(env);
        set.setProcessChannelMode(QProcess::ForwardedChannels);
        set.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--scale"), percent, folder});
        if (!set.waitForFinished(300000) || set.exitStatus() != QProcess::NormalExit || set.exitCode() != 0) {
            std::fprintf(stderr, "fane5-screenshots: the pictures at %s %% were not made\n", qPrintable(percent));
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && QByteArray(argv[1]) == "--scale")
        return MakeSet(argc, argv, QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc == 2 && argv[1][0] != '-')
        return MakeBothSets(argc, argv, QString::fromLocal8Bit(argv[1]));
    std::fputs("usage: fane5-screenshots FOLDER\n"
               "Makes the pictures of the user guide into FOLDER, from the real windows.\n",
               stderr);
    return 2;
}
