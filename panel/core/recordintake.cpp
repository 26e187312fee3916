#include "recordintake.h"

#include "commandcode.h"
#include "doorcontrol.h"
#include "worker.h"

RecordIntake::RecordIntake(Worker &link, DoorControl &door)
    : link(link)
    , door(door)
{
}

void RecordIntake::take(quint8 type, const QByteArray &raw)
{
    if (door.takeRecord(type, raw))
        link.sendCommand(CmdRequestConfig);
}
