#include "panelclock.h"

#include <ctime>

namespace PanelClock {

LocalTime localTime()
{
    return fromDateTime(QDateTime::currentDateTime());
}

qint64 currentMSecsSinceEpoch()
{
    return QDateTime::currentMSecsSinceEpoch();
}

// The system clock keeps universal time; the local time zone turns the
// panel's local time into it.  Setting it needs the right to set the
// system time, which a panel running as an ordinary user lacks: the kernel
// then refuses and nothing changes.
bool setLocalTime(const LocalTime &time)
{
    const QDateTime local = toDateTime(time);
    if (!local.isValid())
        return false;
    const qint64 msecs = local.toMSecsSinceEpoch();
    timespec wanted{};
    wanted.tv_sec = static_cast<time_t>(msecs / 1000);
    wanted.tv_nsec = static_cast<long>(msecs % 1000) * 1000000L;
    return clock_settime(CLOCK_REALTIME, &wanted) == 0;
}

} // namespace PanelClock
