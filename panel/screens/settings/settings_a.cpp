// Build A's settings menu: which button leads to which screen from which
// login level.

#include "settings.h"
#include "screennames.h"

const QVector<Settings::Entry> Settings::entries = {
    {"btnPositions", ScreenName::Positions, BaseFrame::LevelService},
    {"btnTimes", ScreenName::Times, BaseFrame::LevelEngineer},
    {"btnSetDateTime", ScreenName::SetDateTime, BaseFrame::LevelService},
    {"btnSensors", ScreenName::Sensors, BaseFrame::LevelStandard},
    {"btnLayout", ScreenName::Layout, BaseFrame::LevelService},
    {"btnSpeed", ScreenName::Speed, BaseFrame::LevelService},
    {"btnCurrent", ScreenName::Current, BaseFrame::LevelEngineer},
    {"btnRamp", ScreenName::Ramp, BaseFrame::LevelService},
};
