// Build A's settings menu and layout screen: which menu button leads to
// which screen from which login level, and the layout screen's two switches
// with the settings they keep.

#include "layout.h"
#include "settings.h"

const QVector<Settings::Entry> Settings::entries = {
    {"btnPositions", "positions", BaseFrame::LevelService},
    {"btnTimes", "times", BaseFrame::LevelEngineer},
    {"btnSetDateTime", "setdatetime", BaseFrame::LevelService},
    {"btnSensors", "sensors", BaseFrame::LevelStandard},
    {"btnLayout", "layout", BaseFrame::LevelService},
    {"btnSpeed", "speed", BaseFrame::LevelService},
    {"btnCurrent", "current", BaseFrame::LevelEngineer},
    {"btnRamp", "ramp", BaseFrame::LevelService},
};

const QVector<Layout::Switch> Layout::switches = {
    {"btnNoExtension", &PanelSettings::noExtension, &PanelSettings::setNoExtension, BaseFrame::LevelAdmin},
    {"btnNoModes2_6", &PanelSettings::noModes2to6, &PanelSettings::setNoModes2to6, BaseFrame::LevelStandard},
};
