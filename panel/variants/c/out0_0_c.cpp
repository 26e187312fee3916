// Build C's main outputs page: bits 16 to 19 of the main I/O word.  "next
// part" never shows, whatever the panel settings say.

#include "iopage.h"
#include "screennames.h"

namespace {

constexpr int Main = IoBit::MainWord;

const IoPageTable page = {
    "Outputs: main",
    "Out",
    {
        {" Brake", {{Main, 16}}},
        {" Magnet", {{Main, 17}}},
        {" Radar Sensor", {{Main, 18}}},
        {" Closed", {{Main, 19}}},
    },
    {},
    {ScreenName::OutputsExtension, false},
};

} // namespace

const IoPageTable &Out0_0::table()
{
    return page;
}
