#ifndef HOLDTOOPEN_H
#define HOLDTOOPEN_H

class BaseFrame;
class QAbstractButton;

// The main door screen's "Open" button in builds B and C, held to open: the
// press lights the button and leaves the open command for the controller;
// the release only puts the light out.
namespace HoldToOpen {

// Makes `button`, a button of `screen`, the "Open" button; the command goes
// out through the screen's sendCommand.
void attach(QAbstractButton *button, BaseFrame *screen);

} // namespace HoldToOpen

#endif // HOLDTOOPEN_H
