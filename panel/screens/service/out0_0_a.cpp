// Build A's main outputs page: bits 16 to 19 of the main I/O word.  "next
// part" leads to the extension outputs unless the panel is set to
// "noextension".

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
        {" Deflate Seal", {{Main, 19}}},
    },
    {},
    {ScreenName::OutputsExtension, true},
    true,
};

} // namespace

const IoPageTable &Out0_0::table()
{
    return page;
}
