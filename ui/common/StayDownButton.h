#pragma once
// A tool button that shows a state by staying down (the main window's
// Channel and Param buttons). A screen reader reads it as a button, pressed
// or not, where Qt would call it a check box (SpokenCommands.h).
#include <QToolButton>

class StayDownButton : public QToolButton {
    Q_OBJECT
public:
    explicit StayDownButton(QWidget* parent = nullptr);
};
