// The header's alarm labels in build A: the fire label never shows, the
// pirate label shows while main I/O bit 5 is active.

#include "baseframe.h"

#include "doorcontrol.h"

#include <QLabel>

void BaseFrame::refreshAlarmLabels()
{
    if (lblFire)
        lblFire->hide();
    if (lblPirate)
        lblPirate->setVisible(doorControl->isIoActive(MainIo::Pirate));
}
