// Build B's extension inputs page: bits 0 and 1 of I/O group 1, and in rows
// 5 and 6 bits 1 and 2 of I/O group 2.

#include "iopage.h"
#include "screennames.h"

namespace {

const IoPageTable page = {
    "Inputs: extension",
    "In",
    {
        {" \"All Off\" Switch", {{1, 0}}},
        {" Dogging Unlocked", {{1, 1}}},
        {nullptr, {}, false},
        {nullptr, {}, false},
        {" Extern Sealing", {{2, 1}}},
        {" Option Guest", {{2, 2}}},
    },
    {ScreenName::InputsMain, true},
    {},
};

} // namespace

const IoPageTable &In0_1::table()
{
    return page;
}
