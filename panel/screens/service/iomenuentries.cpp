// Build A's I/O menu: the main inputs, the main outputs and, unless the panel
// is set to "noextension", the extension outputs.  The extension inputs and
// the second extension outputs are not offered.

#include "io.h"
#include "servicescreens.h"

const QVector<IO::Entry> IO::entries = {
    {ServiceScreen::InputsMain, IO::Offered},
    {ServiceScreen::OutputsMain, IO::Offered},
    {ServiceScreen::OutputsExtension, IO::OfferedUnlessNoExtension},
};
