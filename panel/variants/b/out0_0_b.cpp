// Build B's main outputs page: bits 16 to 19 of the main I/O word, with the
// dogging motor on Out4.  "next part" always leads to the extension outputs.

#include "iopage.h"
#include "screennames.h"

namespace {

constexpr int Main = IoBit::MainWord;

const IoPageTable page = {
    "Outputs: main",
    "Out",
    {
        {" Brake", {{Main, 16}}},
        {" Push Button LED Green", {{Main, 17}}},
        {" Push Button LED Red", {{Main, 18}}},
        {" Dogging Motor", {{Main, 19}}},
    },
    {},
    {ScreenName::OutputsExtension, true},
};

} // namespace

const IoPageTable &Out0_0::table()
{
    return page;
}
