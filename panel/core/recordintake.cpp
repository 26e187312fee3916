#include "recordintake.h"

#include "commandcode.h"
#include "doorcontrol.h"
#include "worker.h"

RecordIntake::RecordIntake(Worker &link, DoorControl &door, QObject *parent)
    : QObject(parent)
    , link(link)
    , door(door)
{
    connect(&link, &Worker::updated, this, &RecordIntake::take);
}

void RecordIntake::take(quint8 type, const QByteArray &raw)
{
    if (door.takeRecord(type, raw))
        link.sendCommand(CmdRequestConfig);
    emit recordTaken();
}
