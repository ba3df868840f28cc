#include "Splash.h"

#include "StartUp.h"
#include "base/languagestr.h"
#include "link/LinkUi.h"
#include "ui/common/PictureFile.h"

#include <QGuiApplication>
#include <QScreen>

int SplashProgress = 0;
QString SplashDots;

namespace {
constexpr int ClientWidth = 426;
constexpr int ClientHeight = 268;
constexpr int LabelHeight = 16;
constexpr int Bevel = 2;
} // namespace

TSplashForm::TSplashForm(LinkUi& ui)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint),
      Panel1(new QFrame(this)),
      Image1(new QLabel(Panel1)),
      Label1(new QLabel(QStringLiteral("Loading..."), Panel1)),
      Timer1(new QTimer(this))
{
    setFixedSize(ClientWidth, ClientHeight);
    Panel1->setGeometry(rect());
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setStyleSheet(QStringLiteral("QFrame { background: #c0c0c0; }"));
    Image1->setGeometry(Bevel, Bevel, ClientWidth - 2 * Bevel, ClientHeight - 2 * Bevel - LabelHeight);
    Image1->setScaledContents(true);
    Image1->setStyleSheet(QStringLiteral("background: #10263f;"));
    Label1->setGeometry(Bevel, ClientHeight - Bevel - LabelHeight, ClientWidth - 2 * Bevel, LabelHeight);
    Label1->setStyleSheet(QStringLiteral("background: #10263f; color: #cfe3f7; padding-left: 8px;"));

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    Timer1->setInterval(10);
    connect(Timer1, &QTimer::timeout, this, &TSplashForm::Timer1Timer);
    Timer1->start();
    FormCreate(ui);
}

void TSplashForm::FormCreate(LinkUi& ui)
{
    InitProgramFolders();
    QImage picture;
    QString error;
    if (!LoadScrambledPicture(picture, QStringLiteral("Spl.dat"), error))
        ui.Notice(error, BoxKind::Error);
    Image1->setPixmap(QPixmap::fromImage(picture));
}

void TSplashForm::Timer1Timer()
{
    SplashDots += QLatin1Char('.');
    Label1->setText(languagestr::SplashLoading + QString::number(SplashProgress) + QStringLiteral("%....")
                    + SplashDots);
}
