// Build A's main door screen has no button of its own: its form holds the
// mode buttons, "Utilities" and "Ref OK" alone.

#include "standard.h"

void Standard::setUpOwnButtons()
{
}
