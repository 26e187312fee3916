// How build C reads the controller's information record: which controller
// types it accepts and what the status line says about the door.  Its
// reference-run steps are counted from 1.

#include "doorcontrol.h"

bool DoorControl::acceptsRecord(const QByteArray &record)
{
    const quint8 type = static_cast<quint8>(record.at(0));
    return type == 0x11 || type == 0xAA;
}

QString DoorControl::statusText() const
{
    switch (infoByte(InfoBit::ReferenceStepByte) & InfoBit::ReferenceStepMask) {
    case 1: return QStringLiteral("Ref: Find close");
    case 2: return QStringLiteral("Ref: Full open");
    case 3: return QStringLiteral("Homing");
    default: break;
    }
    const QString motion = motionText();
    if (!motion.isEmpty())
        return motion;
    if (isIoActive(MainIo::DoorClosed))
        return QStringLiteral("Door closed");
    return QStringLiteral("Door open");
}
