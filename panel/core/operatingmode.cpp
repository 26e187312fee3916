#include "operatingmode.h"

#include "doorcontrol.h"

namespace OperatingModes {

quint8 switchMask(int id)
{
    for (const OperatingMode &mode : OperatingMode::all()) {
        if (mode.id == id)
            return mode.switchMask;
    }
    return 0x00;
}

bool isReported(const DoorControl &door, int id)
{
    for (const OperatingMode &mode : OperatingMode::all()) {
        if (mode.id == id)
            return door.isGroupIoActive(0, mode.lampBit);
    }
    return false;
}

bool needsFallback(const DoorControl &door)
{
    if (!door.configValid)
        return false;
    int reported = 0;
    for (const OperatingMode &mode : OperatingMode::all())
        reported += door.isGroupIoActive(0, mode.lampBit) ? 1 : 0;
    return reported != 1;
}

} // namespace OperatingModes
