// The extension outputs page of builds A and C: bits 8 to 12 of I/O group 1.
// Row 5 reads " Open From Inside" for good once a controller without a pin
// reports; build C accepts none of those, so there it keeps " Door Closed".

#include "iopage.h"

#include "screennames.h"

namespace {

const IoPageTable page = {
    "Outputs: extension",
    "Out",
    {
        {" Seal Inflated", {{1, 8}}},
        {" Battery Error", {{1, 9}}},
        {" Drive Error", {{1, 10}}},
        {" Door Open", {{1, 11}}},
        {" Door Closed", {{1, 12}}},
    },
    {ScreenName::OutputsMain, true},
    {ScreenName::OutputsExtension2, false},
    false,
    {4, " Open From Inside", ControllerType::withoutPin()},
};

} // namespace

const IoPageTable &Out0_1::table()
{
    return page;
}
