#pragma once
// A message box wide enough for its title. QMessageBox fits itself to its
// text, so a short text under a long title ("Recive data complete!" under the
// program's title) makes a box whose frame cuts the title (Windows and Wine
// at 100 % showed "FANE5...ammer").
class QMessageBox;

// Call after the box's texts, icon and buttons are set: QMessageBox makes a
// new layout when its icon or informative text changes.
void FitBoxToTitle(QMessageBox& box);
