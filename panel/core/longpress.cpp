#include "longpress.h"

#include <QDateTime>

namespace {

LongPress::Clock currentClock = &QDateTime::currentMSecsSinceEpoch;

} // namespace

void LongPress::setClock(Clock newClock)
{
    currentClock = newClock ? newClock : &QDateTime::currentMSecsSinceEpoch;
}

void LongPress::press()
{
    pressTime = currentClock();
}

bool LongPress::isLongOnRelease() const
{
    const qint64 held = currentClock() - pressTime;
    return held >= HoldMs;
}
