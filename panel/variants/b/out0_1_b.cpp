// Build B's extension outputs page: bits 8 to 12 of I/O group 1, with "next
// part" to the second extension outputs.  No row is ever renamed.

#include "iopage.h"
#include "screennames.h"

namespace {

const IoPageTable page = {
    "Outputs: extension",
    "Out",
    {
        {" Air Conditioning", {{1, 8}}},
        {" Door Closed", {{1, 9}}},
        {" Door Opened From Inside", {{1, 10}}},
        {" Supply Failure", {{1, 11}}},
        {" \"All Off\" Indication", {{1, 12}}},
    },
    {ScreenName::OutputsMain, true},
    {ScreenName::OutputsExtension2, true},
};

} // namespace

const IoPageTable &Out0_1::table()
{
    return page;
}
