#include "panelclock.h"

namespace PanelClock {

// QDate and QTime refuse what the calendar and the clock do not have; a
// date is never rolled over into the next month.
QDateTime toDateTime(const LocalTime &time)
{
    const QDate date(time.year, time.month, time.day);
    const QTime clock(time.hour, time.minute, time.second, time.milliseconds);
    if (!date.isValid() || !clock.isValid())
        return {};
    return QDateTime(date, clock, Qt::LocalTime);
}

LocalTime fromDateTime(const QDateTime &dateTime)
{
    const QDate date = dateTime.date();
    const QTime clock = dateTime.time();
    LocalTime time;
    time.year = date.year();
    time.month = date.month();
    time.dayOfWeek = date.dayOfWeek();
    time.day = date.day();
    time.hour = clock.hour();
    time.minute = clock.minute();
    time.second = clock.second();
    time.milliseconds = clock.msec();
    return time;
}

} // namespace PanelClock
