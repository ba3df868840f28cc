// Build-time tool: paints the splash picture and the main window's background,
// encodes them as JPEG and writes them as the program's picture files
// "Spl.dat" and "bkg.dat" into the folder given on the command line.
#include "ui/common/JpegCodec.h"
#include "ui/common/PictureFile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>

namespace {

const QString Title = QStringLiteral("FANE5 Radio Programmer");

void DrawWaves(QPainter& p, QPointF origin, qreal first, qreal step, int count, QColor colour,
               qreal from, qreal span)
{
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < count; ++i) {
        QColor c = colour;
        c.setAlphaF(colour.alphaF() * (1.0 - qreal(i) / count));
        p.setPen(QPen(c, 3, Qt::SolidLine, Qt::RoundCap));
        const qreal r = first + i * step;
        p.drawArc(QRectF(origin.x() - r, origin.y() - r, 2 * r, 2 * r), int(from * 16), int(span * 16));
    }
}

// A handheld radio, drawn upright with its antenna tip at the top.
void DrawRadio(QPainter& p, QRectF body)
{
    const qreal w = body.width();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe9, 0xf1, 0xf8));
    p.drawRoundedRect(QRectF(body.left() + w * 0.16, body.top() - w * 0.9, w * 0.14, w), w * 0.07, w * 0.07);
    p.drawRoundedRect(body, w * 0.16, w * 0.16);
    p.setBrush(QColor(0x18, 0x3b, 0x60));
    const QRectF display(body.left() + w * 0.14, body.top() + w * 0.5, w * 0.72, w * 0.42);
    p.drawRoundedRect(display, w * 0.06, w * 0.06);
    p.setBrush(QColor(0x7f, 0xd8, 0xc8));
    p.drawRoundedRect(display.adjusted(w * 0.06, w * 0.08, -w * 0.3, -w * 0.24), 3, 3);
    p.setBrush(QColor(0x9f, 0xb5, 0xcc));
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            p.drawEllipse(QPointF(body.left() + w * (0.25 + col * 0.25), body.top() + w * (1.15 + row * 0.24)),
                          w * 0.07, w * 0.07);
        }
    }
}

QImage PaintSplash()
{
    QImage img(852, 472, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, img.width(), img.height());
    sky.setColorAt(0, QColor(0x0d, 0x22, 0x3b));
    sky.setColorAt(1, QColor(0x1f, 0x5f, 0x99));
    p.fillRect(img.rect(), sky);

    const QPointF tip(167, 104);
    DrawWaves(p, tip, 40, 34, 7, QColor(255, 255, 255, 90), -50, 100);
    DrawWaves(p, tip, 40, 34, 7, QColor(255, 255, 255, 90), 130, 100);
    DrawRadio(p, QRectF(140, 200, 120, 220));

    p.setPen(Qt::white);
    QFont big(QStringLiteral("DejaVu Sans"));
    big.setPixelSize(112);
    big.setWeight(QFont::Bold);
    p.setFont(big);
    p.drawText(QRectF(330, 110, 500, 140), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("FANE5"));
    QFont sub(QStringLiteral("DejaVu Sans"));
    sub.setPixelSize(34);
    p.setFont(sub);
    p.setPen(QColor(0xd6, 0xe6, 0xf5));
    p.drawText(QRectF(336, 250, 500, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Radio Programmer"));
    sub.setPixelSize(24);
    p.setFont(sub);
    p.setPen(QColor(0x7f, 0xd8, 0xc8));
    p.drawText(QRectF(338, 304, 500, 40), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Channels  \u00b7  Options  \u00b7  Files"));
    return img;
}

QImage PaintBackground()
{
    QImage img(1920, 1200, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient calm(0, 0, 0, img.height());
    calm.setColorAt(0, QColor(0xf1, 0xf5, 0xf9));
    calm.setColorAt(1, QColor(0xd5, 0xe1, 0xee));
    p.fillRect(img.rect(), calm);

    QRadialGradient glow(QPointF(1500, 900), 900);
    glow.setColorAt(0, QColor(255, 255, 255, 120));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(img.rect(), glow);

    // Soft contour lines across the picture.
    for (int line = 0; line < 9; ++line) {
        QPainterPath wave;
        const qreal base = 380 + line * 70;
        wave.moveTo(0, base);
        for (int x = 0; x <= img.width(); x += 16)
            wave.lineTo(x, base + 36 * std::sin(x / 260.0 + line * 0.55) + 18 * std::sin(x / 97.0));
        p.setPen(QPen(QColor(0x2f, 0x6f, 0xb3, 22), 2));
        p.drawPath(wave);
    }
    DrawWaves(p, QPointF(1700, 940), 90, 70, 8, QColor(0x2f, 0x6f, 0xb3, 40), 95, 80);

    QFont mark(QStringLiteral("DejaVu Sans"));
    mark.setPixelSize(150);
    mark.setWeight(QFont::Bold);
    p.setFont(mark);
    p.setPen(QColor(0x2f, 0x6f, 0xb3, 26));
    // Kept clear of the bottom strip, which the status bar covers.
    p.drawText(QRectF(1140, 860, 700, 200), Qt::AlignRight | Qt::AlignBottom, QStringLiteral("FANE5"));
    return img;
}

bool WritePicture(const QImage& image, const QString& path)
{
    QByteArray jpeg;
    QString error;
    if (!EncodeJpeg(image, 90, jpeg, error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(MakeScrambledPicture(jpeg, Title)) < 0 || !file.flush()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(file.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // Text needs a GUI application; no display is needed to paint into images.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: fane5-pictures OUTPUT-FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const bool ok = WritePicture(PaintSplash(), out.filePath(QStringLiteral("Spl.dat")))
        && WritePicture(PaintBackground(), out.filePath(QStringLiteral("bkg.dat")));
    return ok ? 0 : 1;
}
