// The build date that builds B and C show on their system information screen.

#include "systeminfo.h"

const char *const Systeminfo::buildDate = "24.04.2022";
