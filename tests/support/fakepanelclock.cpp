#include "fakepanelclock.h"

QDateTime &FakePanelClock::now()
{
    static QDateTime current(QDate(2026, 3, 14), QTime(9, 26, 53), Qt::LocalTime);
    return current;
}

void FakePanelClock::advance(qint64 ms)
{
    now() = now().addMSecs(ms);
}

QList<QDateTime> &FakePanelClock::setTimes()
{
    static QList<QDateTime> recorded;
    return recorded;
}

PanelClock::LocalTime PanelClock::localTime()
{
    return fromDateTime(FakePanelClock::now());
}

qint64 PanelClock::currentMSecsSinceEpoch()
{
    return FakePanelClock::now().toMSecsSinceEpoch();
}

bool PanelClock::setLocalTime(const LocalTime &time)
{
    const QDateTime local = toDateTime(time);
    if (!local.isValid())
        return false;
    FakePanelClock::setTimes().append(local);
    FakePanelClock::now() = local;
    return true;
}
