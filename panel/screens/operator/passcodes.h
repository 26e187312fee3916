#ifndef PASSCODES_H
#define PASSCODES_H

// The passcodes built into the panel.  They are put together at run time and
// are not kept in the program image as numbers or texts.
namespace Passcodes {

int engineer();
int admin();
// The Service passcode while the settings file holds none, and after a reset.
int serviceDefault();

} // namespace Passcodes

#endif // PASSCODES_H
