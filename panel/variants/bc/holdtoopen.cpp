#include "holdtoopen.h"

#include "baseframe.h"
#include "commandcode.h"
#include "looks.h"

#include <QAbstractButton>

void HoldToOpen::attach(QAbstractButton *button, BaseFrame *screen)
{
    QObject::connect(button, &QAbstractButton::pressed, screen, [button, screen] {
        Looks::setHighlighted(button, true);
        emit screen->sendCommand(CmdOpen);
    });
    QObject::connect(button, &QAbstractButton::released, screen, [button] { Looks::setHighlighted(button, false); });
}
