// The ramp screen: the motor's acceleration, deceleration and brake, each
// shown as a figure from 1 (fast) to 50.

#include "paramscreen.h"

const ParamTable &Ramp::table()
{
    constexpr auto S = BaseFrame::LevelStandard;
    static const ParamTable table{
        "Ramp",
        {
            {{"lblStatus_2", "Motor acceleration", "btnSetAccel", "Motor acceleration (1 = fast)", 0, 100, 100, 5000, {1000, 100, -100, -1000},
              44, 2, S}},
            {{"lblStatus_3", "Motor deceleration", "btnSetDecel", "Motor deceleration (1 = fast)", 1, 100, 100, 5000, {1000, 100, -100, -1000},
              46, 2, S}},
            {{"lblStatus_4", "Motor brake", "btnSetBrake", "Motor brake (1 = fast)", 2, 10, 10, 500, {100, 10, -10, -100}, 48, 2, S}},
        },
    };
    return table;
}
