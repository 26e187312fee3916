#include "holdtoopen.h"

#include "baseframe.h"
#include "commandcode.h"

#include <QAbstractButton>

namespace {

// The screen base's lime mark, which it keeps for the screens' own use.
struct Mark : BaseFrame
{
    using BaseFrame::setHighlighted;
};

} // namespace

void HoldToOpen::attach(QAbstractButton *button, BaseFrame *screen)
{
    QObject::connect(button, &QAbstractButton::pressed, screen, [button, screen] {
        Mark::setHighlighted(button, true);
        emit screen->sendCommand(CmdOpen);
    });
    QObject::connect(button, &QAbstractButton::released, screen, [button] { Mark::setHighlighted(button, false); });
}
