// The build date that build A shows on its system information screen.

#include "systeminfo.h"

const char *const Systeminfo::buildDate = "11.08.2022";
