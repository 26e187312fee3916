#include "fakepanelutilities.h"

#include "panelutilities.h"

QStringList &FakePanelUtilities::calls()
{
    static QStringList recorded;
    return recorded;
}

void PanelUtilities::setBacklight(int percent)
{
    FakePanelUtilities::calls().append(QStringLiteral("backlight %1").arg(percent));
}

void PanelUtilities::restartDevice()
{
    FakePanelUtilities::calls().append(QStringLiteral("restart"));
}
