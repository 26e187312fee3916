// The current screen: the motor's current limits in milliamperes, their
// maximum taken from bytes 96-97.  Only Engineer and Admin may change the
// close current limit.

#include "paramscreen.h"

const ParamTable &Current::table()
{
    static const ParamTable table{
        "Current",
        {
            {{"lblStatus_2", "Close current limit [A]", "btnSetCurrent", nullptr, 0, 1000, 100, 30000, {1000, 100, -100, -1000}, 32, 2,
              BaseFrame::LevelEngineer}},
            {{"lblStatus_3", "Open current limit [A]", "btnSetCurrent_2", nullptr, 1, 1000, 100, 30000, {1000, 100, -100, -1000}, 92, 2,
              BaseFrame::LevelStandard}},
        },
        RunTimeMax::CurrentLimit,
        96,
    };
    return table;
}
