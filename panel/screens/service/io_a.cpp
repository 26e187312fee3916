// Build A's I/O menu: the main inputs, the main outputs and, unless the panel
// is set to "noextension", the extension outputs.  The extension inputs and
// the second extension outputs are not offered.

#include "io.h"
#include "screennames.h"

const QVector<IO::Entry> IO::entries = {
    {ScreenName::InputsMain, IO::Offered},
    {ScreenName::OutputsMain, IO::Offered},
    {ScreenName::OutputsExtension, IO::OfferedUnlessNoExtension},
};
