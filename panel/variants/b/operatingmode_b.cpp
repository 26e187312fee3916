// Build B's four operating modes: id, lamp bit, switch mask.  Mode 4 is the
// exit-only mode.

#include "operatingmode.h"

const QVector<OperatingMode> &OperatingMode::all()
{
    static const QVector<OperatingMode> modes{
        {1, 3, 0x08}, {2, 4, 0x10}, {3, 5, 0x20}, {4, 6, 0x40},
    };
    return modes;
}
