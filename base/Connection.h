#pragma once
// The one radio model of this program and its band. Nothing is asked of the
// radio: the model is fixed when the main window is created (or by Connect).
#include <QString>

// DeviceType 3 and the band 400 .. 480.9995 MHz for both bands.
void SetFixedModel();

// DetectMessage and ModelName as the connection start writes them.
void SetModelTexts();

// A band limit as its shortest decimal text (up to 15 significant digits):
// 400 -> "400", 480.9995 -> "480.9995".
QString BandLimitText(long double mhz);

// "[400-480.9995Mhz]": band 1 as the Connect message and the channel
// window's title show it.
QString BandRangeText();

// The Connect command's message: DetectMessage + "频段范围" + BandRangeText().
QString BandMessage();
