#pragma once
// Work that both start-up windows do when they are created.

// AppDir := the program's folder with a trailing separator; then the port
// probe: PortName is opened and closed at once, the outcome ignored.
void InitProgramState();
