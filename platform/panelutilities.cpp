#include "panelutilities.h"

#include <QProcess>
#include <QString>
#include <QStringList>

namespace PanelUtilities {

void setBacklight(int percent)
{
    // Every backlight device the kernel offers takes the same share of its
    // own maximum.
    const QString script = QStringLiteral(
        "for d in /sys/class/backlight/*; do "
        "[ -w \"$d/brightness\" ] || continue; "
        "max=$(cat \"$d/max_brightness\") || continue; "
        "echo $((max * %1 / 100)) > \"$d/brightness\"; "
        "done").arg(percent);
    QProcess::startDetached(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script});
}

void restartDevice()
{
    QProcess::startDetached(QStringLiteral("/sbin/reboot"), {});
}

} // namespace PanelUtilities
