// Build A's main inputs page: In1 to In10 on bits 0 to 9 of the main I/O
// word; build A has no card reader, and no second inputs page to turn to.

#include "iopage.h"
#include "screennames.h"

namespace {

constexpr int Main = IoBit::MainWord;

const IoPageTable page = {
    "Inputs: main",
    "In",
    {
        {" Limit Switch Close", {{Main, 0}}},
        {" Card Reader Outside", {{Main, 1}}, false},
        {" Push Button Inside", {{Main, 2}}},
        {" Push Button Outside", {{Main, 3}}},
        {" Tape Switch", {{Main, 4}}},
        {" Central Command", {{Main, 5}}},
        {" Light Barrier 1", {{Main, 6}}},
        {" Light Barrier 2", {{Main, 7}}},
        {" Radar Sensor 1", {{Main, 8}}},
        {" Radar Sensor 2", {{Main, 9}}},
    },
    {},
    {ScreenName::InputsExtension, false},
};

} // namespace

const IoPageTable &In0_0::table()
{
    return page;
}
