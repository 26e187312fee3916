// The settings menu of builds B and C: build A's entries without the sensors
// screen, which these builds do not have.

#include "settings.h"
#include "screennames.h"

const QVector<Settings::Entry> Settings::entries = {
    {"btnPositions", ScreenName::Positions, BaseFrame::LevelService},
    {"btnTimes", ScreenName::Times, BaseFrame::LevelEngineer},
    {"btnSetDateTime", ScreenName::SetDateTime, BaseFrame::LevelService},
    {"btnLayout", ScreenName::Layout, BaseFrame::LevelService},
    {"btnSpeed", ScreenName::Speed, BaseFrame::LevelService},
    {"btnCurrent", ScreenName::Current, BaseFrame::LevelEngineer},
    {"btnRamp", ScreenName::Ramp, BaseFrame::LevelService},
};
