// Build B shows the settings menu's Deadman button to every logged-in user.

#include "settings.h"

const bool Settings::deadmanForUsers = true;
