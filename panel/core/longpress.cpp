#include "longpress.h"

#include "panelclock.h"

void LongPress::press()
{
    pressTime = PanelClock::currentMSecsSinceEpoch();
}

bool LongPress::isLongOnRelease() const
{
    const qint64 held = PanelClock::currentMSecsSinceEpoch() - pressTime;
    return held >= HoldMs;
}
