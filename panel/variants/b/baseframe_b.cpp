// The header's alarm labels in build B: the fire label shows (and blinks)
// while main I/O bit 5 is active, the pirate label while bit 9 is.

#include "baseframe.h"

#include "doorcontrol.h"

#include <QLabel>

void BaseFrame::refreshAlarmLabels()
{
    if (lblFire)
        lblFire->setVisible(doorControl->isIoActive(MainIo::Fire));
    if (lblPirate)
        lblPirate->setVisible(doorControl->isIoActive(MainIo::SecuritySystem));
}
