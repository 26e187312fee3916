// Build A's positions screen: the slow distances.  The sensor-off rows are
// not shown, but their bytes are read and written back.

#include "paramscreen.h"

const ParamTable &Positions::table()
{
    static const ParamTable table{
        Title,
        {
            {OpenSlowDistance},
            {CloseSlowDistance},
            {OpenSensorOffDistance, nullptr, ParamRow::NotShown},
            {CloseSensorOffDistance, nullptr, ParamRow::NotShown},
        },
    };
    return table;
}
