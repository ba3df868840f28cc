#pragma once
// Start-up of the fane5 program, offscreen, from process start to the main
// window shown: fane5 runs several times with FANE5_EXIT_AFTER_SHOW=1 and
// reports when it reached main(), the end of QApplication's set-up, the
// splash, the end of the splash loop and the shown main window.
#include "Figures.h"

bool MeasureStartup(Figures& figures);
