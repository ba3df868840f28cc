#pragma once
// Work that both start-up windows do when they are created.

class PortChoice;

// AppDir := the program's folder with a trailing separator, DataDir := the
// installed data folder, found from the program's folder; then the port
// probe: PortName's device in the start-up port list is opened and closed at
// once, the outcome ignored; a port not done within 2 s is given up without
// a word. (The channel field table reads its option words from languagestr
// itself.)
void InitProgramState(const PortChoice& ports);
