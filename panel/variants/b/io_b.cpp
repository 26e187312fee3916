// Build B's I/O menu: all five pages, whatever the panel settings say.

#include "io.h"
#include "screennames.h"

const QVector<IO::Entry> IO::entries = {
    {ScreenName::InputsMain, IO::Offered},
    {ScreenName::InputsExtension, IO::Offered},
    {ScreenName::OutputsMain, IO::Offered},
    {ScreenName::OutputsExtension, IO::Offered},
    {ScreenName::OutputsExtension2, IO::Offered},
};
