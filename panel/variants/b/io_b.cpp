// Build B's I/O menu: all five pages, whatever the panel settings say.

#include "io.h"
#include "screennames.h"

const QVector<IO::Entry> IO::entries = {
    {"btnTimes", ScreenName::InputsMain, IO::Offered},
    {"btnPositions", ScreenName::InputsExtension, IO::Offered},
    {"btnMode3_3", ScreenName::OutputsMain, IO::Offered},
    {"btnMode4_3", ScreenName::OutputsExtension, IO::Offered},
    {"btnMode4_4", ScreenName::OutputsExtension2, IO::Offered},
};
