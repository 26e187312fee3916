// Build A's settings menu and layout screen: which menu button leads to
// which screen from which login level, and the layout screen's two switches
// with the settings they keep.

#include "layout.h"
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

const QVector<Layout::Switch> Layout::switches = {
    {"btnNoExtension", &PanelSettings::noExtension, &PanelSettings::setNoExtension, BaseFrame::LevelAdmin},
    {"btnNoModes2_6", &PanelSettings::noModes2to6, &PanelSettings::setNoModes2to6, BaseFrame::LevelStandard},
};
