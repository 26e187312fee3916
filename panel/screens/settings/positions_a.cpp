// Build A's positions screen: the slow distances in tenths of a percent.  The
// sensor-off rows are not shown, but their bytes are read and written back.

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
             {100, 10, -10, -100}, 76, 2, false, S, {}},
            {"lblStatus_5", "Close sensor off dist. [%]", "btnCloseSensOffDist", "Close sensor off distance [%]", 3, 10, 0, 1000,
             {100, 10, -10, -100}, 78, 2, false, S, {}},
        },
    };
    return table;
}
