// The extension outputs page of builds A and C: bits 8 to 12 of I/O group 1.
// Row 5 reads " Open From Inside" for good once the controller reports type
// 0x18, or 0xAB with byte 1 = 0x08; build C accepts neither type, so there
// it keeps " Door Closed".

#include "iopage.h"

#include "doorcontrol.h"
#include "screennames.h"

namespace {

bool opensFromInside(const DoorControl &door)
{
    const quint8 type = door.infoByte(0);
    return type == 0x18 || (type == 0xAB && door.infoByte(1) == 0x08);
}

const IoPageTable page = {
    "Outputs: extension",
    {
        {"Out1", " Seal Inflated", {{1, 8}}},
        {"Out2", " Battery Error", {{1, 9}}},
        {"Out3", " Drive Error", {{1, 10}}},
        {"Out4", " Door Open", {{1, 11}}},
        {"Out5", " Door Closed", {{1, 12}}},
    },
    {ScreenName::OutputsMain, true},
    {ScreenName::OutputsExtension2, false},
    false,
    {4, " Open From Inside", opensFromInside},
};

} // namespace

const IoPageTable &Out0_1::table()
{
    return page;
}
