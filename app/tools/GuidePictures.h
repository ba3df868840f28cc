#pragma once
// The pictures of the user guide (docs/guide.md), taken from the real windows
// against the demo radio. Each set is made in a process of its own, because
// the scale factor is fixed when the application starts.
#include <QString>

// At 100 %: the main window, its Port menu, the channel window after a Read,
// a tone list open, the edited rows, two chosen rows with their popup menu,
// the Edit and File menus, the options window and one of its lists, and the
// radio history.
bool MakeGuidePictures(const QString& folder, QString& error);

// At 150 % on a 1366 x 768 screen: the main window filling the screen with
// the channel window, then with the options window.
bool MakeScaledPictures(const QString& folder, QString& error);
