#pragma once
// Work that both start-up windows do when they are created.

// AppDir := the program's folder with a trailing separator; then the port
// probe: PortName is opened and closed at once, the outcome ignored. (The
// channel field table reads its option words from languagestr itself.)
void InitProgramState();
