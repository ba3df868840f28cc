#pragma once
// What a screen reader calls each option control: what it sets, in plain
// words, since the captions beside them are the design's own (and some
// controls have none).
#include <QString>

// By the control's object name ("ComboBox7" -> "Volume"); the caption
// when the name is not one of the window's controls.
QString SpokenOptionName(const QString& objectName, const QString& caption);
