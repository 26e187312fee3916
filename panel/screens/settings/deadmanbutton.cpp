// The settings menu's Deadman button is never shown (builds A and C); it is
// still lit while the controller reports the deadman function on.

#include "settings.h"

const bool Settings::deadmanForUsers = false;
