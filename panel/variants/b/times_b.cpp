// Build B's times screen: five rows, no opening time.  Byte 25 is the
// dogging time and byte 22 the pre-alarm time; byte 23 goes back to the
// controller as it came.  No row hides for a controller type.

#include "paramscreen.h"

const ParamTable &Times::table()
{
    static const ParamTable table{
        Title,
        {
            {BlackoutTime, "Blackout time [min]"},
            {DockingTime, "Dogging time [s]"},
            {PreAlarmTime, "Pre-Alarm Time [s]"},
            {ReClosingTime, "Re-Closing Time [s]"},
            {SafetyStroke, "Safety stroke"},
        },
    };
    return table;
}
