#pragma once
// Work that the start-up windows do when they are created.

class PortChoice;

// AppDir := the program's folder with a trailing separator, DataDir := the
// installed data folder, found from the program's folder: all the splash
// window needs before it loads its picture.
void InitProgramFolders();

// InitProgramFolders, then the port probe: PortName's device in the start-up
// port list is opened and closed at once, the outcome ignored; a port not
// done within 2 s is given up without a word. Only the main window runs it,
// so a port that hangs holds the start-up once, with the splash showing.
// (The channel field table reads its option words from languagestr itself.)
void InitProgramState(const PortChoice& ports);
