#ifndef RECORDINTAKE_H
#define RECORDINTAKE_H

#include <QByteArray>

class DoorControl;
class Worker;

// Where a record the serial link hands on goes: into the door state, and
// after every information record, while no configuration block is held, the
// request for one is left with the link.
//
// It is the whole road of a record short of the screens, so the main window
// and the link's fuzz target run the same one.
class RecordIntake
{
public:
    RecordIntake(Worker &link, DoorControl &door);

    void take(quint8 type, const QByteArray &raw);

private:
    Worker &link;
    DoorControl &door;
};

#endif // RECORDINTAKE_H
