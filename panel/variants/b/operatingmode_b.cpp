// Build B's four operating modes: id, lamp bit, switch mask, hidden by
// "nomodes2_6" (a key build B does not have).  Mode 4 is the exit-only mode.

#include "operatingmode.h"

const QVector<OperatingMode> &OperatingMode::all()
{
    static const QVector<OperatingMode> modes{
        {1, 3, 0x08, false}, {2, 4, 0x10, false}, {3, 5, 0x20, false}, {4, 6, 0x40, false},
    };
    return modes;
}
