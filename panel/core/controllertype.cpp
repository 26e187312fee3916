#include "controllertype.h"

#include "doorcontrol.h"

bool ControllerType::isReportedBy(const DoorControl &door) const
{
    return door.infoByte(0) == type && (variant == AnyVariant || door.infoByte(1) == variant);
}

bool ControllerType::anyReportedBy(const QVector<ControllerType> &types, const DoorControl &door)
{
    for (const ControllerType &candidate : types) {
        if (candidate.isReportedBy(door))
            return true;
    }
    return false;
}

const QVector<ControllerType> &ControllerType::withoutPin()
{
    static const QVector<ControllerType> types = {{0x18, AnyVariant}, {0xAB, 0x08}};
    return types;
}
