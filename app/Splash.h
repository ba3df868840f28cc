#pragma once
// TSplashForm: the picture and a "Loading NN%...." line shown while the
// program starts. The start-up loop advances SplashProgress; the 10 ms timer
// writes it, with one more dot each tick.
#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QWidget>

class LinkUi;

extern int SplashProgress;
extern QString SplashDots;

class TSplashForm : public QWidget {
public:
    // Runs InitProgramFolders and loads "Spl.dat"; a picture that fails to
    // load is reported through `ui` and the splash shows without it.
    explicit TSplashForm(LinkUi& ui);

    QFrame* Panel1;
    QLabel* Image1;
    QLabel* Label1;
    QTimer* Timer1;

    void Timer1Timer();

private:
    void FormCreate(LinkUi& ui);
};
