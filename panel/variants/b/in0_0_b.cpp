// Build B's main inputs page: In1 to In10 on bits 0 to 9 of the main I/O
// word, all ten shown, with "next part" to the extension inputs.

#include "iopage.h"
#include "screennames.h"

namespace {

constexpr int Main = IoBit::MainWord;

const IoPageTable page = {
    "Inputs: main",
    "In",
    {
        {" Limit Switch Close", {{Main, 0}}},
        {" Card Reader Outside", {{Main, 1}}},
        {" Push Button Inside", {{Main, 2}}},
        {" Push Button Outside", {{Main, 3}}},
        {" Dogging Locked", {{Main, 4}}},
        {" Fire", {{Main, 5}}},
        {" Close Sensor Stop", {{Main, 6}}},
        {" Close Sensor Permanent", {{Main, 7}}},
        {" Open Sensor Stop", {{Main, 8}}},
        {" Pirate Mode", {{Main, 9}}},
    },
    {},
    {ScreenName::InputsExtension, true},
};

} // namespace

const IoPageTable &In0_0::table()
{
    return page;
}
