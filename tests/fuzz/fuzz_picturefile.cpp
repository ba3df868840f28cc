// A picture file beside the program, read as the splash and the main window
// read theirs.
#include "FuzzTargets.h"

#include "base/ProgramState.h"
#include "base/languagestr.h"
#include "ui/common/PictureFile.h"

#include <QFileInfo>

int FuzzPictureFile(const std::uint8_t* data, std::size_t size)
{
    const QString path = WriteScratchFile(QStringLiteral("Spl.dat"), data, size);
    AppDir = QFileInfo(path).absolutePath() + QLatin1Char('/');
    const QString titleBefore = languagestr::AppTitle;
    QImage graphic;
    QString error;
    if (!LoadScrambledPicture(graphic, QStringLiteral("Spl.dat"), error)) {
        FUZZ_CHECK(!error.isEmpty());
        FUZZ_CHECK(languagestr::AppTitle == titleBefore);
        return 0;
    }
    FUZZ_CHECK(!graphic.isNull());
    FUZZ_CHECK(languagestr::AppTitle.size() <= picturefile::LongestTitleRead);
    return 0;
}
