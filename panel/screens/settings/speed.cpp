// The speed screen: three velocities in rpm, none above the controller's
// maximum velocity (bytes 38-39).

#include "paramscreen.h"

const ParamTable &Speed::table()
{
    constexpr auto S = BaseFrame::LevelStandard;
    static const ParamTable table{
        "Speed",
        {
            {{"lblStatus_2", "Open velocity [rpm]", "btnOpenVel", nullptr, 0, 1, 1, 10000, {100, 10, -10, -100}, 40, 2, S}},
            {{"lblStatus_3", "Close velocity [rpm]", "btnCloseVel", nullptr, 1, 1, 1, 10000, {100, 10, -10, -100}, 64, 2, S}},
            {{"lblStatus_4", "Slow velocity [rpm]", "btnSlowVel", nullptr, 2, 1, 1, 10000, {100, 10, -10, -100}, 42, 2, S}},
        },
        RunTimeMax::Word,
        38,
    };
    return table;
}
