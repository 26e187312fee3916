// Build C's main inputs page: In1 to In10 on bits 0 to 9 of the main I/O
// word, all ten shown; no way on to the extension inputs.

#include "iopage.h"
#include "screennames.h"

namespace {

constexpr int Main = IoBit::MainWord;

const IoPageTable page = {
    "Inputs: main",
    "In",
    {
        {" Limit Switch Close", {{Main, 0}}},
        {" Limit Switch Open", {{Main, 1}}},
        {" Push Button Inside", {{Main, 2}}},
        {" Push Button Outside", {{Main, 3}}},
        {" Safety Strip", {{Main, 4}}},
        {" Close Push Button", {{Main, 5}}},
        {" Light Barrier", {{Main, 6}}},
        {" Radar Sensor", {{Main, 7}}},
        {" Key Lock", {{Main, 8}}},
        {" Central Open", {{Main, 9}}},
    },
    {},
    {ScreenName::InputsExtension, false},
};

} // namespace

const IoPageTable &In0_0::table()
{
    return page;
}
