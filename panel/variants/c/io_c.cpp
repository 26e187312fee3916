// Build C's I/O menu: the main inputs and the main outputs only, whatever the
// panel settings say.

#include "io.h"
#include "screennames.h"

const QVector<IO::Entry> IO::entries = {
    {ScreenName::InputsMain, IO::Offered},
    {ScreenName::OutputsMain, IO::Offered},
};
