// Build A's I/O menu: the main inputs, the main outputs and, unless the panel
// is set to "noextension", the extension outputs.  The extension inputs and
// the second extension outputs are not offered.

#include "io.h"
#include "screennames.h"

const QVector<IO::Entry> IO::entries = {
    {"btnTimes", ScreenName::InputsMain, IO::Offered},
    {"btnMode3_3", ScreenName::OutputsMain, IO::Offered},
    {"btnMode4_3", ScreenName::OutputsExtension, IO::OfferedUnlessNoExtension},
};
