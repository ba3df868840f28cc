#pragma once
// `fane5 --demo`: a simulated radio inside the program, reached without a
// serial port or pseudo-terminal, so Read and Write can be tried without a
// radio on any system. It starts with the default channels and a few tones
// and names, so a Read shows something the grid did not already hold, and
// with the options as the options window designs them.
#include "sim/InProcessRadio.h"

#include <QString>
#include <memory>

// What the Port menu shows for the demo radio, and the port that reaches it.
QString DemoPortName();

std::unique_ptr<InProcessRadio> StartDemoRadio();

// The program's lines: DemoPortName() reaches `demo` (when there is one),
// every other port is a serial port.
RadioLink::LineMaker ProgramLines(const InProcessRadio* demo);
