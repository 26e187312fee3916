// Build A's main inputs page: In1 to In10 on bits 0 to 9 of the main I/O
// word; build A has no card reader, and no second inputs page to turn to.

#include "iopage.h"
#include "screennames.h"

namespace {

constexpr int Main = IoBit::MainWord;

const IoPageTable page = {
    "Inputs: main",
    {
        {"In1", " Limit Switch Close", {{Main, 0}}},
        {"In2", " Card Reader Outside", {{Main, 1}}, false},
        {"In3", " Push Button Inside", {{Main, 2}}},
        {"In4", " Push Button Outside", {{Main, 3}}},
        {"In5", " Tape Switch", {{Main, 4}}},
        {"In6", " Central Command", {{Main, 5}}},
        {"In7", " Light Barrier 1", {{Main, 6}}},
        {"In8", " Light Barrier 2", {{Main, 7}}},
        {"In9", " Radar Sensor 1", {{Main, 8}}},
        {"In10", " Radar Sensor 2", {{Main, 9}}},
    },
    {},
    {ScreenName::InputsExtension, false},
};

} // namespace

const IoPageTable &In0_0::table()
{
    return page;
}
