// Build B's positions screen: the slow distances and the sensor-off
// distances, all four shown and editable.

#include "paramscreen.h"

const ParamTable &Positions::table()
{
    static const ParamTable table{
        Title,
        {
            {OpenSlowDistance},
            {CloseSlowDistance},
            {OpenSensorOffDistance},
            {CloseSensorOffDistance},
        },
    };
    return table;
}
