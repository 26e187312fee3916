// Build B's positions screen: the slow distances and the sensor-off
// distances, all four shown and editable, in tenths of a percent.

#include "paramscreen.h"

const ParamTable &Positions::table()
{
    constexpr auto S = BaseFrame::LevelStandard;
    static const ParamTable table{
        "Positions",
        {
            {"lblStatus_2", "Open slow distance [%]", "btnOpenSlowDist", nullptr, 0, 10, 0, 1000, {100, 10, -10, -100}, 28, 2, true, S, {}},
            {"lblStatus_3", "Close slow distance [%]", "btnCloseSlowDist", nullptr, 1, 10, 0, 1000, {100, 10, -10, -100}, 30, 2, true, S, {}},
            {"lblStatus_4", "Open sensor off dist. [%]", "btnOpenSensOffDist", "Open sensor off distance [%]", 2, 10, 0, 1000,
             {100, 10, -10, -100}, 76, 2, true, S, {}},
            {"lblStatus_5", "Close sensor off dist. [%]", "btnCloseSensOffDist", "Close sensor off distance [%]", 3, 10, 0, 1000,
             {100, 10, -10, -100}, 78, 2, true, S, {}},
        },
    };
    return table;
}
