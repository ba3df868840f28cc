#include "Connection.h"

#include "ProgramState.h"
#include "languagestr.h"

#include <cstdio>

void SetFixedModel()
{
    DeviceType = 3;
    Band1Low = 400;
    Band1High = 480;
    Band1High = Band1High + 0.9995L;
    Band2High = Band1High;
    Band2Low = Band1Low;
}

void SetModelTexts()
{
    languagestr::DetectMessage = languagestr::DevicePrefix + QStringLiteral("FANE5") + languagestr::BeenDetect;
    languagestr::ModelName = QStringLiteral("FANE5");
}

QString BandLimitText(long double mhz)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.15Lg", mhz);
    return QString::fromLatin1(text);
}

QString BandRangeText()
{
    return QLatin1Char('[') + BandLimitText(Band1Low) + QLatin1Char('-') + BandLimitText(Band1High)
        + languagestr::MhzClose;
}

QString BandMessage()
{
    return languagestr::DetectMessage + languagestr::BandRangeLabel + BandRangeText();
}
