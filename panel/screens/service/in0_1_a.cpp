// The extension inputs page of builds A and C: bits 0 and 1 of I/O group 1.

#include "iopage.h"
#include "screennames.h"

namespace {

const IoPageTable page = {
    "Inputs: extension",
    "In",
    {
        {" \"All Off\" Switch", {{1, 0}}},
        {" Dogging Unlocked", {{1, 1}}},
    },
    {ScreenName::InputsMain, true},
    {},
};

} // namespace

const IoPageTable &In0_1::table()
{
    return page;
}
