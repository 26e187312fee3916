// Build C's layout screen keeps only the extension outputs switch (Admin
// only); "nomodes2_6" is neither read nor written.

#include "layout.h"

const QVector<Layout::Switch> Layout::switches = {
    {"btnNoExtension", &PanelSettings::noExtension, &PanelSettings::setNoExtension, BaseFrame::LevelAdmin},
};
