#pragma once
// The environment for a child process that shows windows: Qt's offscreen
// platform with one 1920 x 1080 screen, a common desktop's size (the main
// window fills the screen, so its memory grows with it), and a home of its
// own for settings and the radio history.
#include <QProcessEnvironment>

QProcessEnvironment OffscreenDesktop();
