#ifndef CONTROLLERTYPE_H
#define CONTROLLERTYPE_H

#include <QVector>
#include <QtGlobal>

class DoorControl;

// A controller type, as bytes 0 and 1 of the information record tell it.
struct ControllerType
{
    static constexpr int AnyVariant = -1;

    quint8 type;
    int variant; // byte 1, or AnyVariant

    // Whether the record the door-state object holds reports this type.
    bool isReportedBy(const DoorControl &door) const;
    // ... or any of `types`.
    static bool anyReportedBy(const QVector<ControllerType> &types, const DoorControl &door);

    // The controllers whose door has no pin: their times screen has no pin
    // unlock time, and their fifth extension output opens the door from inside.
    static const QVector<ControllerType> &withoutPin();
};

#endif // CONTROLLERTYPE_H
