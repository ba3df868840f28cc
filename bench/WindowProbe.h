#pragma once
// The program's windows at work, in a process of their own so that its peak
// memory is theirs: the main window, the channel window writing and reading
// the paced simulated radio while a 1 ms timer watches the window thread's
// event loop, then the options window reading the radio.
#include "Figures.h"

inline constexpr char WindowProbeFlag[] = "--window-probe";

// The child: `fane5-bench --window-probe DEVICE`. Prints one line for the
// parent and returns 0 when every exchange succeeded.
int RunWindowProbe(int& argc, char** argv);

// The parent: runs the child against `device` and adds its figures.
bool MeasureWindows(const QString& device, Figures& figures);
