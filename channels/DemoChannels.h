#pragma once
// The memory a simulated radio starts with, `fane5 --demo` and fane5-sim
// alike: the built-in default channels, so that a fresh radio can be read
// and written back at once.
#include "base/RadioData.h"

// The default channels, every fourth one with a tone and every fifth one at
// low power, each named DEMOnn, as a memory image.
MemoryImageBytes DemoChannelImage();
