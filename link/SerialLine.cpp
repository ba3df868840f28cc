#include "SerialLine.h"

bool SerialLine::Open(CommOpenFailure* why)
{
    Close();  // never leak an exclusive port
    open_ = OpenComm(port_, why);
    return open_ != nullptr;
}
