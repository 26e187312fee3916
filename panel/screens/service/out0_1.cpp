// Build A's extension outputs page: bits 8 to 12 of I/O group 1.  Row 5
// reads " Open From Inside" for good once the controller reports type 0x18,
// or 0xAB with byte 1 = 0x08.

#include "doorcontrol.h"
#include "iopage.h"
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
        {"Out6", "xyz", {}, false},
        {"Out7", "xyz", {}, false},
        {"Out8", "xyz", {}, false},
        {"Out9", "xyz", {}, false},
        {"Out10", "xyz", {}, false},
    },
    {ScreenName::OutputsMain, true},
    {ScreenName::OutputsExtension2, false},
    false,
    4,
    " Open From Inside",
    opensFromInside,
};

} // namespace

Out0_1::Out0_1(QWidget *parent)
    : IoPage(page, parent)
{
}
