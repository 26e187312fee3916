#ifndef PASSCODES_H
#define PASSCODES_H

namespace Passcodes {
int engineer();
int admin();
int serviceDefault();
}

#endif // PASSCODES_H
