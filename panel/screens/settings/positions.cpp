// The positions screen's parameters as every build lays them out: the slow
// and sensor-off distances, in tenths of a percent (0 % to 100 %).  Which of
// them show is each build's own (positions_<build>.cpp).

#include "paramscreen.h"

namespace {

constexpr auto S = BaseFrame::LevelStandard;

} // namespace

const char *const Positions::Title = "Positions";

const ParamField Positions::OpenSlowDistance = {"lblStatus_2", "Open slow distance [%]", "btnOpenSlowDist", nullptr, 0, 10, 0, 1000,
                                                {100, 10, -10, -100}, 28, 2, S};
const ParamField Positions::CloseSlowDistance = {"lblStatus_3", "Close slow distance [%]", "btnCloseSlowDist", nullptr, 1, 10, 0, 1000,
                                                 {100, 10, -10, -100}, 30, 2, S};
const ParamField Positions::OpenSensorOffDistance = {"lblStatus_4", "Open sensor off dist. [%]", "btnOpenSensOffDist",
                                                     "Open sensor off distance [%]", 2, 10, 0, 1000, {100, 10, -10, -100}, 76, 2, S};
const ParamField Positions::CloseSensorOffDistance = {"lblStatus_5", "Close sensor off dist. [%]", "btnCloseSensOffDist",
                                                      "Close sensor off distance [%]", 3, 10, 0, 1000, {100, 10, -10, -100}, 78, 2, S};
