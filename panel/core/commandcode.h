#ifndef COMMANDCODE_H
#define COMMANDCODE_H

#include <QtGlobal>

// The fixed requests a screen can leave for the door controller through
// BaseFrame::sendCommand.  Each stands for one frame of the serial link; a
// code the door build does not know changes nothing.
enum CommandCode : quint8 {
    CmdX = 1,
    CmdOnOff = 2,
    CmdDeadman = 3,
    CmdReference = 4,
    CmdRequestCounters = 5,
    CmdResetService = 6,
    CmdOpen = 7,
    CmdSealing = 8,
    CmdSensor1 = 10,
    CmdSensor2 = 11,
    CmdSensor3 = 12,
    CmdSensor4 = 13,
    CmdRequestConfig = 100,
};

#endif // COMMANDCODE_H
