#ifndef PANELUTILITIES_H
#define PANELUTILITIES_H

// The panel device's own utilities.  Each call starts the utility detached
// and returns at once; the panel neither waits for it nor looks at what it
// did.
namespace PanelUtilities {

// Sets the display backlight to `percent` of the device's full brightness.
void setBacklight(int percent);

// Restarts the whole device.
void restartDevice();

} // namespace PanelUtilities

#endif // PANELUTILITIES_H
