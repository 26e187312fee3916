// Build C's times screen: build A's six records, byte 25 being the
// close-then-open time.  The blackout and seal deflating rows are not shown,
// but their bytes are still read and written back with the values read.  No
// row hides for a controller type.

#include "paramscreen.h"

const ParamTable &Times::table()
{
    static const ParamTable table{
        Title,
        {
            {BlackoutTime, "Blackout Time [min]", ParamRow::NotShown},
            {DockingTime, "Close-then-Open Time [s]"},
            {PreAlarmTime, "Seal Deflating Time [s]", ParamRow::NotShown},
            {ReClosingTime, "Re-Closing Time [s]"},
            {SafetyStroke, "Safety Stroke"},
            {OpeningTime, "Opening Time [s]"},
        },
    };
    return table;
}
