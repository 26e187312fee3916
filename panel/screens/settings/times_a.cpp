// Build A's times screen: blackout, pin unlock, safety stroke and the door's
// times.  The pin unlock row hides for the controller types that have no pin;
// only Engineer and Admin may change a time.

#include "paramscreen.h"

const ParamTable &Times::table()
{
    constexpr auto E = BaseFrame::LevelEngineer;
    static const ParamTable table{
        "Times",
        {
            {"lblStatus_3", "Blackout Time [min]", "btnSetBlackoutTime", nullptr, 1, 120, 0, 3600, {600, 120, -120, -600}, 62, 2, true, E, {}},
            {"lblStatus_2", "Pin Unlock Time [s]", "btnSetDockingTime", nullptr, 0, 10, 1, 200, {10, 1, -1, -10}, 25, 1, true, E,
             {{0x18, ControllerType::AnyVariant}, {0xAB, 8}}},
            {"lblStatus_6", "Seal Deflating Time [s]", "btnSetPreAlarmTime", nullptr, 4, 2, 1, 200, {20, 1, -1, -20}, 22, 1, true, E, {}},
            {"lblStatus_5", "Re-Closing Time [s]", "btnSetReClosingTime", nullptr, 3, 2, 1, 200, {20, 1, -1, -20}, 21, 1, true, E, {}},
            {"lblStatus_4", "Safety Stroke", "btnSetSafetyStroke", nullptr, 2, 1, 1, 15, {10, 1, -1, -10}, 24, 1, true, E, {}},
            {"lblStatus_7", "Opening Time [s]", "btnSetOpeningTimeSafetyStrip", nullptr, 5, 2, 1, 200, {20, 1, -1, -20}, 23, 1, true, E, {}},
        },
    };
    return table;
}
