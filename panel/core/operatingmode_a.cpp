// Build A's seven operating modes: id, lamp bit, switch mask.  Mode 7 is
// reported by group-0 bit 0.

#include "operatingmode.h"

const QVector<OperatingMode> &OperatingMode::all()
{
    static const QVector<OperatingMode> modes{
        {1, 1, 0x02}, {2, 2, 0x04}, {3, 3, 0x08}, {4, 4, 0x10}, {5, 5, 0x20}, {6, 6, 0x40}, {7, 0, 0x01},
    };
    return modes;
}
