#ifndef OPERATINGMODE_H
#define OPERATINGMODE_H

#include <QVector>
#include <QtGlobal>

// One operating mode of the door: the id a screen asks for, the group-0 bit
// through which the controller reports it, and its bit in byte 0 of the
// mode-switch frame.
struct OperatingMode
{
    int id;
    int lampBit;
    quint8 switchMask;
};

// Per door build (its operatingmodes.cpp): the modes the door has.  A mode
// not in the table switches nothing (an all-zero mask).
const QVector<OperatingMode> &operatingModes();

#endif // OPERATINGMODE_H
