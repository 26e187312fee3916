// Build C's six operating modes: id, lamp bit, switch mask, hidden by
// "nomodes2_6" (a key build C does not have).  The door has no mode buttons
// to be seen; the main door screen only asks for mode 1.

#include "operatingmode.h"

const QVector<OperatingMode> &OperatingMode::all()
{
    static const QVector<OperatingMode> modes{
        {1, 1, 0x02, false}, {2, 2, 0x04, false}, {3, 3, 0x08, false},
        {4, 4, 0x10, false}, {5, 5, 0x20, false}, {6, 6, 0x40, false},
    };
    return modes;
}
