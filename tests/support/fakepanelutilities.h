#ifndef FAKEPANELUTILITIES_H
#define FAKEPANELUTILITIES_H

#include <QStringList>

// Stands in for the device's panel utilities in tests: each call is only
// recorded, as "backlight 40", "backlight 100" or "restart".
namespace FakePanelUtilities {
QStringList &calls();
}

#endif // FAKEPANELUTILITIES_H
