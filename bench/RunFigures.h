#pragma once
// Radios programmed in a row: five against the paced simulated radio (each
// radio's write and verify against its wire time), five against the radio
// in this process (what the run itself adds), and one channel write through
// a USB adapter's latency timer.
#include "Figures.h"

// `paced`: fane5-sim --pace; `adapter`: fane5-sim --pace --usb-latency 16.
// False when a radio failed.
bool MeasureRadioRuns(const QString& paced, const QString& adapter, Figures& figures);
