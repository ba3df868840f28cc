#pragma once
// A drop-down list that a screen reader reads by the name it is given
// (what it sets) and its current item as its value; Qt names a plain list
// by its value on Linux. Name it with NameControl (Accessibility.h).
#include <QComboBox>

class SpokenList : public QComboBox {
    Q_OBJECT
public:
    explicit SpokenList(QWidget* parent = nullptr);
};
