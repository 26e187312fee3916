// Build C's main inputs page: In1 to In10 on bits 0 to 9 of the main I/O
// word, all ten shown; no way on to the extension inputs.

#include "iopage.h"
#include "screennames.h"

namespace {

constexpr int Main = IoBit::MainWord;

const IoPageTable page = {
    "Inputs: main",
    {
        {"In1", " Limit Switch Close", {{Main, 0}}},
        {"In2", " Limit Switch Open", {{Main, 1}}},
        {"In3", " Push Button Inside", {{Main, 2}}},
        {"In4", " Push Button Outside", {{Main, 3}}},
        {"In5", " Safety Strip", {{Main, 4}}},
        {"In6", " Close Push Button", {{Main, 5}}},
        {"In7", " Light Barrier", {{Main, 6}}},
        {"In8", " Radar Sensor", {{Main, 7}}},
        {"In9", " Key Lock", {{Main, 8}}},
        {"In10", " Central Open", {{Main, 9}}},
    },
    {},
    {ScreenName::InputsExtension, false},
};

} // namespace

const IoPageTable &In0_0::table()
{
    return page;
}
