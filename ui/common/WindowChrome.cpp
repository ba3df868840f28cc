#include "WindowChrome.h"
#include "Accessibility.h"

#include <QComboBox>
#include <QLinearGradient>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>
#include <functional>

QWidget* ChildFrame(QWidget* child)
{
    for (QWidget* w = child; w; w = w->parentWidget()) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w))
            return sub;
    }
    return child;
}

void StripCaptionStyle(QWidget* child)
{
    QWidget* frame = ChildFrame(child);
    frame->setWindowFlags(frame->windowFlags() | Qt::FramelessWindowHint);
    if (auto* sub = qobject_cast<QMdiSubWindow*>(frame))
        sub->setOption(QMdiSubWindow::RubberBandResize, false);
}

void RoundWindow(QWidget* child, int w, int h)
{
    QPainterPath outline;
    // Corner ellipses 8 x 10 are radii 4 x 5. The outline reaches below the
    // window, so only the top corners are round; outside the window nothing
    // may show, or the area behind the mask is painted black.
    outline.addRoundedRect(QRectF(0, 0, w + 1, h + 10), 4, 5);
    QWidget* frame = ChildFrame(child);
    frame->setMask(QRegion(outline.toFillPolygon().toPolygon()) & QRegion(0, 0, w, h));
    frame->update();
}

void FitFrameInto(QWidget* frame, const QSize& area)
{
    // A frame's own minimum does not follow its window's; its hint does.
    const QSize smallest = frame->minimumSizeHint().expandedTo(frame->minimumSize());
    frame->resize(frame->size().boundedTo(area - QSize(frame->x(), frame->y())).expandedTo(smallest));
    frame->move(qMax(0, qMin(frame->x(), area.width() - frame->width())),
                qMax(0, qMin(frame->y(), area.height() - frame->height())));
}

QSize RoomOnScreen(const QWidget* window)
{
    // A title bar is under 40 pixels in the usual window managers, scaled or not.
    constexpr QSize FrameGuess(16, 48);
    const QSize frame = window->frameGeometry().size() - window->size();
    const QSize available = window->screen()->availableSize();
    return available - (frame.height() > 0 ? frame : FrameGuess);
}

void ScrollLongList(QComboBox* list)
{
    list->setMaxVisibleItems(20);
    // Without this the style opens every list as tall as the screen and
    // ignores the item count.
    list->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
}

DragWindow::DragWindow(QWidget* child, const QList<QWidget*>& handles)
    : QObject(child), child_(child)
{
    for (QWidget* handle : handles)
        handle->installEventFilter(this);
}

static bool LeftButtonAlone(const QMouseEvent* e)
{
    return e->buttons() == Qt::LeftButton && e->modifiers() == Qt::NoModifier;
}

bool DragWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseMove)
        return QObject::eventFilter(watched, event);
    auto* e = static_cast<QMouseEvent*>(event);
    if (!LeftButtonAlone(e))
        return false;
    QWidget* frame = ChildFrame(child_);
    const QPoint global = e->globalPosition().toPoint();
    if (event->type() == QEvent::MouseButtonPress) {
        grab_ = frame->mapFromGlobal(global);
        return true;
    }
    QWidget* area = frame->isWindow() ? nullptr : frame->parentWidget();
    frame->move((area ? area->mapFromGlobal(global) : global) - grab_);
    return true;
}

namespace {

const QColor StripDark(0x1d, 0x3a, 0x5f);
const QColor StripLight(0x2f, 0x6f, 0xb3);

// The strip's colours run from top to bottom, so every piece shares them.
QLinearGradient StripGradient()
{
    QLinearGradient g(0, 0, 0, TitleStrip::StripHeight);
    g.setColorAt(0, StripLight);
    g.setColorAt(1, StripDark);
    return g;
}

QPixmap StripPiece(int width, const std::function<void(QPainter&)>& extra)
{
    const qreal ratio = 2;
    QPixmap pm(QSize(width, TitleStrip::StripHeight) * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRect(0, 0, width, TitleStrip::StripHeight), StripGradient());
    extra(p);
    return pm;
}

// Left end: a small handheld radio in outline.
QPixmap LeftEnd()
{
    return StripPiece(TitleStrip::StripHeight, [](QPainter& p) {
        p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(13, 12, 11, 17), 2, 2);
        p.drawLine(QPointF(15.5, 12), QPointF(15.5, 6));
        p.drawRect(QRectF(15.5, 15, 6, 4));
        p.drawLine(QPointF(16, 23), QPointF(21, 23));
        p.drawLine(QPointF(16, 26), QPointF(21, 26));
    });
}

QPixmap CloseEnd(bool hot)
{
    return StripPiece(TitleStrip::StripHeight, [hot](QPainter& p) {
        if (hot) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xd9, 0x48, 0x3b));
            p.drawRoundedRect(QRectF(6, 6, 24, 24), 5, 5);
        }
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(13, 13), QPointF(23, 23));
        p.drawLine(QPointF(23, 13), QPointF(13, 23));
    });
}

} // namespace

TitleStrip::TitleStrip(QWidget* child)
    : QWidget(child),
      Image4(new QLabel(this)),
      Image3(new QLabel(this)),
      Image5(new QLabel(this)),
      Label31(new QLabel(this))
{
    setObjectName(QStringLiteral("TitleStrip"));
    Image4->setPixmap(LeftEnd());
    Image3->setPixmap(StripPiece(1, [](QPainter&) {}));
    Image3->setScaledContents(true);
    Image5->setPixmap(CloseEnd(false));
    Image5->setCursor(Qt::PointingHandCursor);
    Image5->installEventFilter(this);
    // The strip's pictures, for a screen reader; the close box is the
    // window's Close button (Ctrl+F4 from the keyboard).
    NameControl(Image4, QStringLiteral("Title bar"));
    NameControl(Image3, QStringLiteral("Title bar"));
    NameControl(Image5, QStringLiteral("Close window"));

    QFont font = Label31->font();
    font.setPixelSize(17);
    font.setWeight(QFont::DemiBold);
    Label31->setFont(font);
    Label31->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    Label31->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);

    new DragWindow(child, {Image3, Label31});
    child->installEventFilter(this);
    setGeometry(0, 0, child->width(), StripHeight);
}

void TitleStrip::ShowTitle(const QString& title)
{
    Label31->setText(title);
    parentWidget()->setWindowTitle(title);
    NameControl(parentWidget(), PlainName(title));
}

void TitleStrip::resizeEvent(QResizeEvent*)
{
    const int w = width(), h = StripHeight;
    Image4->setGeometry(0, 0, h, h);
    Image3->setGeometry(h, 0, qMax(0, w - 2 * h), h);
    Image5->setGeometry(w - h, 0, h, h);
    Label31->setGeometry(h + 2, 0, qMax(0, w - 2 * h - 4), h);
}

bool TitleStrip::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget()) {
        if (event->type() == QEvent::Resize)
            setGeometry(0, 0, parentWidget()->width(), StripHeight);
        return false;
    }
    switch (event->type()) {
    case QEvent::Enter:
        Image5->setPixmap(CloseEnd(true));
        break;
    case QEvent::Leave:
        Image5->setPixmap(CloseEnd(false));
        break;
    case QEvent::MouseButtonRelease: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::LeftButton && Image5->rect().contains(e->position().toPoint()))
            emit Image5Click();
        return true;
    }
    default:
        break;
    }
    return false;
}

namespace {

// Follows the child's size and stays above its other children.
class WindowEdge : public QWidget {
public:
    explicit WindowEdge(QWidget* child) : QWidget(child)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(child->rect());
        child->installEventFilter(this);
        raise();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        else if (event->type() == QEvent::ChildAdded)
            raise();
        return false;
    }
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setPen(StripDark);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

} // namespace

void DrawWindowEdge(QWidget* child)
{
    new WindowEdge(child);
}
