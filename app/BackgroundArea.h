#pragma once
// The main window's client area: holds the child windows and shows the
// background picture stretched over the whole main window's client size, so
// its lower edge lies under the status bar. Painting never asks for another
// paint, so there is no repaint loop.
#include <QImage>
#include <QMdiArea>
#include <QPixmap>

class BackgroundArea : public QMdiArea {
public:
    explicit BackgroundArea(QWidget* parent = nullptr);
    // A null picture leaves the default client area.
    void SetPicture(const QImage& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    QPixmap stretched_;  // the picture at the last painted size
};
