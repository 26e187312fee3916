// The main door screen's "Open" button in builds B and C: held to open.  The
// press leaves the open command for the controller and lights the button;
// the release only puts the light out.

#include "standard.h"
#include "ui_standard.h"

#include "commandcode.h"

void Standard::on_btnOpen_pressed()
{
    setHighlighted(ui->btnOpen, true);
    emit sendCommand(CmdOpen);
}

void Standard::on_btnOpen_released()
{
    setHighlighted(ui->btnOpen, false);
}
