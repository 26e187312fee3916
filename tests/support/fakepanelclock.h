#ifndef FAKEPANELCLOCK_H
#define FAKEPANELCLOCK_H

#include "panelclock.h"

#include <QDateTime>
#include <QList>

// Stands in for the device's clock in tests: it tells the time it is given
// and records every time set on it, after the device's own check of the
// date; a set time also becomes the time it tells.
namespace FakePanelClock {
QDateTime &now();
QList<QDateTime> &setTimes();
}

#endif // FAKEPANELCLOCK_H
