#ifndef RECORDINTAKE_H
#define RECORDINTAKE_H

#include <QByteArray>
#include <QObject>

class DoorControl;
class Worker;

// Where the records the serial link hands on go: each one into the door
// state, and after every information record, while no configuration block
// is held, the request for one is left with the link.  recordTaken() follows
// every record; the main window refreshes the showing screen on it.
//
// It is the whole road of a record short of the screens, so the main window
// and the link's fuzz target run the same one.
class RecordIntake : public QObject
{
    Q_OBJECT

public:
    RecordIntake(Worker &link, DoorControl &door, QObject *parent = nullptr);

signals:
    void recordTaken();

private:
    void take(quint8 type, const QByteArray &raw);

    Worker &link;
    DoorControl &door;
};

#endif // RECORDINTAKE_H
