// Build B's times screen: five rows, no opening time.  Byte 25 is the
// dogging time and byte 22 the pre-alarm time; byte 23 goes back to the
// controller as it came.  No row hides for a controller type; only Engineer
// and Admin may change a time.

#include "paramscreen.h"

const ParamTable &Times::table()
{
    constexpr auto E = BaseFrame::LevelEngineer;
    static const ParamTable table{
        "Times",
        {
            {"lblStatus_3", "Blackout time [min]", "btnSetBlackoutTime", nullptr, 1, 120, 0, 3600, {600, 120, -120, -600}, 62, 2, true, E, {}},
            {"lblStatus_2", "Dogging time [s]", "btnSetDockingTime", nullptr, 0, 10, 1, 200, {10, 1, -1, -10}, 25, 1, true, E, {}},
            {"lblStatus_6", "Pre-Alarm Time [s]", "btnSetPreAlarmTime", nullptr, 4, 2, 1, 200, {20, 1, -1, -20}, 22, 1, true, E, {}},
            {"lblStatus_5", "Re-Closing Time [s]", "btnSetReClosingTime", nullptr, 3, 2, 1, 200, {20, 1, -1, -20}, 21, 1, true, E, {}},
            {"lblStatus_4", "Safety stroke", "btnSetSafetyStroke", nullptr, 2, 1, 1, 15, {10, 1, -1, -10}, 24, 1, true, E, {}},
        },
    };
    return table;
}
