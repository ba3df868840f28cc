#pragma once
// `fane5 --demo`: a simulated radio inside the program, on its own
// pseudo-terminal, so Read and Write can be tried without a radio. It starts
// with the default channels and a few tones and names, so a Read shows
// something the grid did not already hold, and with the options as the
// options window designs them.
#include "sim/SimRadio.h"

#include <QString>
#include <memory>

// The running radio, or nothing with `error` set.
std::unique_ptr<SimRadio> StartDemoRadio(QString* error);
