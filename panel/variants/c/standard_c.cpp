// Build C's main door screen: the "Open" button, held to open, as in build B.

#include "standard.h"
#include "ui_standard.h"

#include "holdtoopen.h"

void Standard::setUpOwnButtons()
{
    HoldToOpen::attach(ui->btnOpen, this);
}
