// Build C's times screen: build A's six records, byte 25 being the
// close-then-open time.  The blackout and seal deflating rows are not shown,
// but their bytes are still read and written back with the values read.  No
// row hides for a controller type; only Engineer and Admin may change a time.

#include "paramscreen.h"

const ParamTable &Times::table()
{
    constexpr auto E = BaseFrame::LevelEngineer;
    static const ParamTable table{
        "Times",
        {
            {"lblStatus_3", "Blackout Time [min]", "btnSetBlackoutTime", nullptr, 1, 120, 0, 3600, {600, 120, -120, -600}, 62, 2, false, E, {}},
            {"lblStatus_2", "Close-then-Open Time [s]", "btnSetDockingTime", nullptr, 0, 10, 1, 200, {10, 1, -1, -10}, 25, 1, true, E, {}},
            {"lblStatus_6", "Seal Deflating Time [s]", "btnSetPreAlarmTime", nullptr, 4, 2, 1, 200, {20, 1, -1, -20}, 22, 1, false, E, {}},
            {"lblStatus_5", "Re-Closing Time [s]", "btnSetReClosingTime", nullptr, 3, 2, 1, 200, {20, 1, -1, -20}, 21, 1, true, E, {}},
            {"lblStatus_4", "Safety Stroke", "btnSetSafetyStroke", nullptr, 2, 1, 1, 15, {10, 1, -1, -10}, 24, 1, true, E, {}},
            {"lblStatus_7", "Opening Time [s]", "btnSetOpeningTimeSafetyStrip", nullptr, 5, 2, 1, 200, {20, 1, -1, -20}, 23, 1, true, E, {}},
        },
    };
    return table;
}
