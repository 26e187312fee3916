#ifndef PANELCLOCK_H
#define PANELCLOCK_H

#include <QDateTime>
#include <QtGlobal>

// The panel device's local wall clock.
namespace PanelClock {

// A local date and time, field by field.
struct LocalTime {
    int year = 0;
    int month = 0;          // 1 to 12
    int dayOfWeek = 0;      // 1 (Monday) to 7; ignored when the clock is set
    int day = 0;            // 1 to the month's length
    int hour = 0;
    int minute = 0;
    int second = 0;
    int milliseconds = 0;
};

// The local time now.
LocalTime localTime();

// The wall clock now, in milliseconds since 1970-01-01 00:00 UTC.
qint64 currentMSecsSinceEpoch();

// Sets the local time.  A date or time that does not exist (31 February,
// hour 24) is refused, and so is every setting the process is not allowed
// to make: then nothing is set and the result is false.
bool setLocalTime(const LocalTime &time);

// The rules both share: the local date and time the fields stand for,
// invalid when there is none; and the fields of a local date and time.
QDateTime toDateTime(const LocalTime &time);
LocalTime fromDateTime(const QDateTime &dateTime);

} // namespace PanelClock

#endif // PANELCLOCK_H
