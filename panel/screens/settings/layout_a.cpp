// Build A's layout screen switches: the extension outputs (Admin only) and
// the main door screen's modes 2, 6 and 7, with the settings they keep.

#include "layout.h"

const QVector<Layout::Switch> Layout::switches = {
    {"btnNoExtension", &PanelSettings::noExtension, &PanelSettings::setNoExtension, BaseFrame::LevelAdmin},
    {"btnNoModes2_6", &PanelSettings::noModes2to6, &PanelSettings::setNoModes2to6, BaseFrame::LevelStandard},
};
