// Build A's extension outputs: row 5 reads " Open From Inside" for good once
// the controller reports type 0x18, or 0xAB with byte 1 = 0x08.

#include "iopage.h"

#include "doorcontrol.h"

namespace {

bool opensFromInside(const DoorControl &door)
{
    const quint8 type = door.infoByte(0);
    return type == 0x18 || (type == 0xAB && door.infoByte(1) == 0x08);
}

} // namespace

const IoRelabel Out0_1::relabel = {4, " Open From Inside", opensFromInside};
