#include "panelclock.h"

#include <ctime>

namespace PanelClock {

// The time zone is read once, at the first reading: a local QDateTime looks
// the zone's file up again on every conversion, three times for the time
// now, and the panel reads its clock on every frame.
LocalTime localTime()
{
    static const bool zoneRead = (tzset(), true);
    Q_UNUSED(zoneRead)
    timespec now{};
    tm fields{};
    if (clock_gettime(CLOCK_REALTIME, &now) != 0 || !localtime_r(&now.tv_sec, &fields))
        return fromDateTime(QDateTime::currentDateTime());
    LocalTime time;
    time.year = fields.tm_year + 1900;
    time.month = fields.tm_mon + 1;
    time.dayOfWeek = fields.tm_wday == 0 ? 7 : fields.tm_wday;
    time.day = fields.tm_mday;
    time.hour = fields.tm_hour;
    time.minute = fields.tm_min;
    time.second = qMin(fields.tm_sec, 59); // a leap second is not a time of QTime
    time.milliseconds = static_cast<int>(now.tv_nsec / 1000000);
    return time;
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
