#include "HelpWindows.h"

#include "base/ProgramVersion.h"
#include "ui/common/WindowChrome.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVBoxLayout>

namespace {

// The guide and the README it links to keep their places of the source tree.
const QUrl GuideSource(QStringLiteral("qrc:/docs/guide.md"));

// Wider pictures are shown scaled down to this width, so that the guide
// reads without scrolling sideways.
constexpr int PictureWidth = 720;

// "Names in the windows" -> "names-in-the-windows": the name a heading is
// linked by (the README's own links and the guide's use it).
QString HeadingName(const QString& heading)
{
    QString name;
    for (QChar c : heading.toLower())
        if (c.isLetterOrNumber() || c == u'-' || c == u'_')
            name += c;
        else if (c == u' ')
            name += u'-';
    return name;
}

class GuideBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

protected:
    // A link to a section of a page opens at that section: the heading is
    // made the link's anchor (Markdown headings carry none).
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override
    {
        QTextBrowser::doSetSource(name, type);
        if (!name.hasFragment())
            return;
        for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
            if (block.blockFormat().headingLevel() == 0 || HeadingName(block.text()) != name.fragment())
                continue;
            QTextCursor heading(block);
            heading.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            QTextCharFormat anchor;
            anchor.setAnchor(true);
            anchor.setAnchorNames({name.fragment()});
            heading.mergeCharFormat(anchor);
            scrollToAnchor(name.fragment());
            return;
        }
    }

    QVariant loadResource(int type, const QUrl& name) override
    {
        const QVariant data = QTextBrowser::loadResource(type, name);
        if (type != QTextDocument::ImageResource)
            return data;
        const QImage picture = QImage::fromData(data.toByteArray());
        if (picture.width() <= PictureWidth)
            return data;
        const qreal ratio = devicePixelRatioF();
        QImage scaled = picture.scaledToWidth(qRound(PictureWidth * ratio), Qt::SmoothTransformation);
        scaled.setDevicePixelRatio(ratio);
        return scaled;
    }
};

// Who may use the program, in the About box.
const QString LicenceText = QStringLiteral(
    "GNU General Public License, version 3 or later (GPL-3.0-or-later). You may share and change it "
    "under its terms; it comes with no warranty. The full text is in the file LICENSE of the source, "
    "and in /usr/share/common-licenses/GPL-3 on Debian.");

QWidget* Bring(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace

QWidget* ShowGuideWindow(const QPointer<QWidget>& shown, QWidget* parent)
{
    if (shown)
        return Bring(shown);
    auto* window = new QDialog(parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QStringLiteral("FANE5 Programmer: guide"));
    auto* text = new GuideBrowser(window);
    text->setObjectName(QStringLiteral("GuideText"));
    text->setOpenExternalLinks(true);
    text->setSource(GuideSource, QTextDocument::MarkdownResource);
    text->document()->setDocumentMargin(10);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
    // Back from the README the guide links to.
    QPushButton* back = buttons->addButton(QStringLiteral("Back"), QDialogButtonBox::ActionRole);
    back->setEnabled(false);
    QObject::connect(back, &QPushButton::clicked, text, &QTextBrowser::backward);
    QObject::connect(text, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::close);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(text);
    layout->addWidget(buttons);
    window->resize(QSize(800, 640).boundedTo(RoomOnScreen(window)));
    return Bring(window);
}

QWidget* ShowAboutBox(const QPointer<QWidget>& shown, QWidget* parent)
{
    if (shown)
        return Bring(shown);
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("About FANE5 Programmer"), AboutText(),
                                QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextFormat(Qt::RichText);
    box->setModal(false);
    return Bring(box);
}

QString AboutText()
{
    return QStringLiteral("<p><b>FANE5 Programmer</b> %1</p>"
                          "<p>Reads, edits and writes the channels and options of the FANE5 handheld radio "
                          "(400-480.9995 MHz) over its programming cable.</p>"
                          "<p>Built with Qt %2, running on Qt %3.</p>"
                          "<p>Licence: %4</p>")
        .arg(ProgramVersion(), QStringLiteral(QT_VERSION_STR), QString::fromLatin1(qVersion()),
             LicenceText);
}
