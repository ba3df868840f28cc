#pragma once
// The compare list: what a write would change on the radio, one line per
// channel field or option that differs (the window's value beside the
// radio's), or that the radio holds exactly what the window shows. From
// here the user writes, or closes the list.
#include "exchange/RadioCompare.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

class CompareDialog : public QDialog {
    Q_OBJECT
public:
    CompareDialog(const CompareReport& report, bool channels, QWidget* parent = nullptr);

    QLabel* Summary;
    QListWidget* Differences;
    QPushButton *WriteButton, *CloseButton;
};

// True when the user chose Write.
bool ShowCompareList(QWidget* parent, const CompareReport& report, bool channels);
