#include "BackgroundArea.h"

#include "ui/common/Accessibility.h"

#include <QPainter>

BackgroundArea::BackgroundArea(QWidget* parent) : QMdiArea(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    NameControl(this, QStringLiteral("Channel and options windows"));
}

void BackgroundArea::SetPicture(const QImage& picture)
{
    picture_ = picture;
    stretched_ = QPixmap();
    viewport()->update();
}

void BackgroundArea::paintEvent(QPaintEvent* event)
{
    if (picture_.isNull()) {
        QMdiArea::paintEvent(event);
        return;
    }
    const QSize client = window()->size();
    if (stretched_.size() != client)
        stretched_ = QPixmap::fromImage(picture_.scaled(client, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    QPainter p(viewport());
    p.drawPixmap(0, 0, stretched_);
}
