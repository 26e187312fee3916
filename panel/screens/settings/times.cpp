// The times screen's parameters as every build that has them lays them out:
// widgets and row, the field of the configuration block, scale, limits and
// steps.  Only Engineer and Admin may change a time.  What a parameter is
// called is each build's own (times_<build>.cpp).

#include "paramscreen.h"

namespace {

constexpr auto E = BaseFrame::LevelEngineer;

} // namespace

const char *const Times::Title = "Times";

// Half seconds: 0 to 30 min.
const ParamField Times::BlackoutTime = {"lblStatus_3", nullptr, "btnSetBlackoutTime", nullptr, 1, 120, 0, 3600, {600, 120, -120, -600}, 62, 2, E};
// Tenths of a second.
const ParamField Times::DockingTime = {"lblStatus_2", nullptr, "btnSetDockingTime", nullptr, 0, 10, 1, 200, {10, 1, -1, -10}, 25, 1, E};
// Half seconds, like the two below.
const ParamField Times::PreAlarmTime = {"lblStatus_6", nullptr, "btnSetPreAlarmTime", nullptr, 4, 2, 1, 200, {20, 1, -1, -20}, 22, 1, E};
const ParamField Times::ReClosingTime = {"lblStatus_5", nullptr, "btnSetReClosingTime", nullptr, 3, 2, 1, 200, {20, 1, -1, -20}, 21, 1, E};
const ParamField Times::OpeningTime = {"lblStatus_7", nullptr, "btnSetOpeningTimeSafetyStrip", nullptr, 5, 2, 1, 200, {20, 1, -1, -20}, 23, 1, E};
// A count, 1 to 15.
const ParamField Times::SafetyStroke = {"lblStatus_4", nullptr, "btnSetSafetyStroke", nullptr, 2, 1, 1, 15, {10, 1, -1, -10}, 24, 1, E};
