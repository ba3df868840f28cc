#include "ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace {

// Drawn on a 24 x 24 grid.
constexpr int Grid = 24;
const QColor Ink(0x2a, 0x44, 0x5e);
const QColor Accent(0x24, 0x7b, 0xd0);
const QColor AccentSoft(0xd6, 0xe8, 0xfa);

using Drawing = std::function<void(QPainter&)>;

QPen InkPen(QColor c = Ink)
{
    return QPen(c, 1.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QIcon Render(const Drawing& draw)
{
    QIcon icon;
    for (int scale : {1, 2, 3}) {
        QPixmap pm(Grid * scale, Grid * scale);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        p.setPen(InkPen());
        p.setBrush(Qt::NoBrush);
        draw(p);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

void Page(QPainter& p)
{
    QPainterPath page;
    page.moveTo(6, 3);
    page.lineTo(14, 3);
    page.lineTo(19, 8);
    page.lineTo(19, 21);
    page.lineTo(6, 21);
    page.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawPolyline(QPolygonF({QPointF(14, 3), QPointF(14, 8), QPointF(19, 8)}));
}

void NewIcon(QPainter& p)
{
    Page(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Accent);
    p.drawEllipse(QPointF(17.5, 17.5), 5, 5);
    p.setPen(QPen(Qt::white, 1.7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(17.5, 15), QPointF(17.5, 20));
    p.drawLine(QPointF(15, 17.5), QPointF(20, 17.5));
}

void OpenIcon(QPainter& p)
{
    QPainterPath back;
    back.moveTo(3, 19);
    back.lineTo(3, 5);
    back.lineTo(9, 5);
    back.lineTo(11, 7);
    back.lineTo(19, 7);
    back.lineTo(19, 10);
    p.drawPath(back);
    QPainterPath flap;
    flap.moveTo(3, 19);
    flap.lineTo(6.5, 10);
    flap.lineTo(22, 10);
    flap.lineTo(18.5, 19);
    flap.closeSubpath();
    p.setBrush(AccentSoft);
    p.setPen(InkPen());
    p.drawPath(flap);
}

void SaveAsIcon(QPainter& p)
{
    QPainterPath disk;
    disk.moveTo(3, 3);
    disk.lineTo(15, 3);
    disk.lineTo(19, 7);
    disk.lineTo(19, 12);
    disk.moveTo(11, 21);
    disk.lineTo(3, 21);
    disk.lineTo(3, 3);
    p.drawPath(disk);
    p.drawRect(QRectF(7, 3, 7, 5));
    p.drawLine(QPointF(7, 21), QPointF(7, 15));
    p.drawLine(QPointF(7, 15), QPointF(12, 15));
    // A pencil: "as" a new name.
    p.setPen(QPen(Accent, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 21), QPointF(21, 14));
    p.setPen(QPen(Accent, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12.6, 22.4), QPointF(13.4, 21.6));
}

void PrintIcon(QPainter& p)
{
    p.drawRect(QRectF(7, 3, 10, 5));
    p.setBrush(AccentSoft);
    p.drawRoundedRect(QRectF(3, 8, 18, 9), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 13, 10, 8));
    p.drawLine(QPointF(9.5, 16.5), QPointF(14.5, 16.5));
    p.setPen(Qt::NoPen);
    p.setBrush(Accent);
    p.drawEllipse(QPointF(17.8, 10.8), 1.1, 1.1);
}

void ExitIcon(QPainter& p)
{
    p.drawPolyline(QPolygonF({QPointF(13, 7), QPointF(13, 3), QPointF(4, 3), QPointF(4, 21),
                              QPointF(13, 21), QPointF(13, 17)}));
    p.setPen(InkPen(Accent));
    p.drawLine(QPointF(9, 12), QPointF(21, 12));
    p.drawPolyline(QPolygonF({QPointF(17, 8), QPointF(21, 12), QPointF(17, 16)}));
}

// A radio with an arrow beside it: up sends to the radio, down reads from it.
void TransferIcon(QPainter& p, bool toRadio)
{
    p.drawLine(QPointF(6, 7), QPointF(6, 2.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(3.5, 7, 9, 14), 2, 2);
    p.setBrush(AccentSoft);
    p.drawRect(QRectF(5.5, 9.5, 5, 3.5));
    p.setPen(InkPen(Accent));
    p.setBrush(Qt::NoBrush);
    const qreal x = 18;
    p.drawLine(QPointF(x, 5), QPointF(x, 19));
    if (toRadio)
        p.drawPolyline(QPolygonF({QPointF(x - 4, 9), QPointF(x, 5), QPointF(x + 4, 9)}));
    else
        p.drawPolyline(QPolygonF({QPointF(x - 4, 15), QPointF(x, 19), QPointF(x + 4, 15)}));
}

void ChannelIcon(QPainter& p)
{
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(3, 4, 18, 16), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(AccentSoft);
    p.drawRect(QRectF(3.9, 4.9, 16.2, 3.6));
    p.setPen(InkPen());
    p.drawLine(QPointF(3, 8.5), QPointF(21, 8.5));
    p.drawLine(QPointF(3, 12.5), QPointF(21, 12.5));
    p.drawLine(QPointF(3, 16.5), QPointF(21, 16.5));
    p.drawLine(QPointF(8, 4), QPointF(8, 20));
}

void ParamIcon(QPainter& p)
{
    const qreal rows[] = {6, 12, 18};
    const qreal knobs[] = {15, 8, 13};
    for (int i = 0; i < 3; ++i) {
        p.setPen(InkPen());
        p.drawLine(QPointF(3, rows[i]), QPointF(21, rows[i]));
        p.setPen(QPen(Accent, 1.7));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(knobs[i], rows[i]), 2.4, 2.4);
    }
}

} // namespace

QIcon ToolIcon(int index)
{
    switch (index) {
    case 0: return Render(NewIcon);
    case 1: return Render(OpenIcon);
    case 2: return Render(SaveAsIcon);
    case 3: return Render(PrintIcon);
    case 7: return Render(ExitIcon);
    case 8: return Render([](QPainter& p) { TransferIcon(p, true); });
    case 9: return Render([](QPainter& p) { TransferIcon(p, false); });
    case 12: return Render(ChannelIcon);
    case 13: return Render(ParamIcon);
    default: return {};
    }
}
