// The second extension outputs page: bits 8 to 10 of I/O group 2; the push
// button LEDs also light on their upper-half bits 17 and 18.

#include "iopage.h"
#include "screennames.h"

namespace {

const IoPageTable page = {
    "Outputs: extension 2",
    "Out",
    {
        {" Sea Mode", {{2, 8}}},
        {" PB Inside LED Green", {{2, 9}, {2, 17}}},
        {" PB Inside LED Red", {{2, 10}, {2, 18}}},
    },
    {ScreenName::OutputsExtension, true},
    {},
};

} // namespace

const IoPageTable &Out0_2::table()
{
    return page;
}
