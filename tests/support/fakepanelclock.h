#ifndef FAKEPANELCLOCK_H
#define FAKEPANELCLOCK_H

#include "panelclock.h"

#include <QDateTime>
#include <QList>

// Stands in for the device's clock in tests: it tells the time it is given
// (also in milliseconds, which time the presses) and records every time set
// on it, after the device's own check of the date; a set time also becomes
// the time it tells.  It stands still unless a test moves it.
namespace FakePanelClock {
QDateTime &now();
// Moves the time told on by `ms` (back when negative).
void advance(qint64 ms);
QList<QDateTime> &setTimes();
}

#endif // FAKEPANELCLOCK_H
