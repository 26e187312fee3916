// Build A's seven operating modes: id, lamp bit, switch mask, hidden by
// "nomodes2_6".  Mode 7 is reported by group-0 bit 0.

#include "operatingmode.h"

const QVector<OperatingMode> &OperatingMode::all()
{
    static const QVector<OperatingMode> modes{
        {1, 1, 0x02, false}, {2, 2, 0x04, true}, {3, 3, 0x08, false}, {4, 4, 0x10, false},
        {5, 5, 0x20, false}, {6, 6, 0x40, true}, {7, 0, 0x01, true},
    };
    return modes;
}
