// Build A's times screen: blackout, pin unlock, safety stroke and the door's
// times.  The pin unlock row hides for the controllers without a pin.

#include "paramscreen.h"

const ParamTable &Times::table()
{
    static const ParamTable table{
        Title,
        {
            {BlackoutTime, "Blackout Time [min]"},
            {DockingTime, "Pin Unlock Time [s]", true, ControllerType::withoutPin()},
            {PreAlarmTime, "Seal Deflating Time [s]"},
            {ReClosingTime, "Re-Closing Time [s]"},
            {SafetyStroke, "Safety Stroke"},
            {OpeningTime, "Opening Time [s]"},
        },
    };
    return table;
}
