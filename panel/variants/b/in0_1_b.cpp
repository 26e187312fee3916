// Build B's extension inputs page: bits 0 and 1 of I/O group 1, and in rows
// 5 and 6 bits 1 and 2 of I/O group 2.

#include "iopage.h"
#include "screennames.h"

namespace {

const IoPageTable page = {
    "Inputs: extension",
    {
        {"In1", " \"All Off\" Switch", {{1, 0}}},
        {"In2", " Dogging Unlocked", {{1, 1}}},
        {"In3", "xyz", {}, false},
        {"In4", "xyz", {}, false},
        {"In5", " Extern Sealing", {{2, 1}}},
        {"In6", " Option Guest", {{2, 2}}},
    },
    {ScreenName::InputsMain, true},
    {},
};

} // namespace

const IoPageTable &In0_1::table()
{
    return page;
}
