// Build C's I/O menu: the main inputs and the main outputs only, whatever the
// panel settings say.

#include "io.h"
#include "screennames.h"

const QVector<IO::Entry> IO::entries = {
    {"btnTimes", ScreenName::InputsMain, IO::Offered},
    {"btnMode3_3", ScreenName::OutputsMain, IO::Offered},
};
