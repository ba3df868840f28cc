#include "HelpWindows.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// Who may use the program, in the About box.
const QString LicenceText = QStringLiteral("All rights reserved by its authors; no licence has been chosen yet.");

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
    auto* text = new QTextBrowser(window);
    text->setObjectName(QStringLiteral("GuideText"));
    text->setOpenExternalLinks(true);
    text->setHtml(GuideHtml());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::close);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(text);
    layout->addWidget(buttons);
    window->resize(640, 560);
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
        .arg(QStringLiteral(FANE5_VERSION), QStringLiteral(QT_VERSION_STR), QString::fromLatin1(qVersion()),
             LicenceText);
}
