#ifndef OPERATINGMODE_H
#define OPERATINGMODE_H

#include <QVector>
#include <QtGlobal>

class DoorControl;

// One operating mode of the door: the id a screen asks for, the group-0 bit
// through which the controller reports it, its bit in byte 0 of the
// mode-switch frame, and whether the layout screen's "nomodes2_6" switch
// hides its button on the main door screen.
struct OperatingMode
{
    int id;
    int lampBit;
    quint8 switchMask;
    bool hiddenByNoModes2to6;

    // Per door build (operatingmode_<build>.cpp): the modes the door has.  A
    // mode not in the table switches nothing (an all-zero mask).
    static const QVector<OperatingMode> &all();
};

namespace OperatingModes {

// The mode a main door screen asks for when the controller does not report
// exactly one mode.
constexpr int Fallback = 1;

// Byte 0 of the mode-switch frame for a mode; 0 for a mode the build lacks.
quint8 switchMask(int id);

// Whether the controller reports the mode active, through its group-0 bit.
bool isReported(const DoorControl &door, int id);

// Whether a main door screen must ask for the fallback mode: the controller
// does not report exactly one of the build's modes.  Without a configuration
// block every bit reads inactive, so no mode can be judged: then nothing is
// asked, which lets the configuration request out and keeps the operator's
// choice until the block is held.
bool needsFallback(const DoorControl &door);

} // namespace OperatingModes

#endif // OPERATINGMODE_H
