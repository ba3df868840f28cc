#pragma once
// What the main window's New, Open, Save as, Read and Write commands press on
// the active child window. The channel and options windows implement it.
class ChildCommands {
public:
    virtual ~ChildCommands() = default;
    virtual void Button1Click() = 0;  // Read
    virtual void Button2Click() = 0;  // Write
    virtual void Button3Click() = 0;  // New / Default
    virtual void Button4Click() = 0;  // Save
    virtual void Button5Click() = 0;  // Open
};
