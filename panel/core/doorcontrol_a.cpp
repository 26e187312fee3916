// How build A reads the controller's information record: which controller
// types it accepts and what the status line says about the door.

#include "doorcontrol.h"

bool DoorControl::acceptsRecord(const QByteArray &record)
{
    const quint8 type = static_cast<quint8>(record.at(0));
    return (type >= 0x18 && type <= 0x1F) || type == 0xAB;
}

QString DoorControl::statusText() const
{
    switch (infoByte(InfoBit::ReferenceStepByte) & InfoBit::ReferenceStepMask) {
    case 0: return QStringLiteral("Ref: Find close");
    case 1: return QStringLiteral("Ref: Full open");
    case 2: return QStringLiteral("Ref: Half open");
    case 3: return QStringLiteral("Ref: PB open");
    case 4: return QStringLiteral("Homing");
    default: break;
    }
    const QString motion = motionText();
    if (!motion.isEmpty())
        return motion;
    if (!isIoActive(MainIo::DoorClosed))
        return QStringLiteral("Door open");
    return QStringLiteral("Door closed");
}
