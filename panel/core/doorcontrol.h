#ifndef DOORCONTROL_H
#define DOORCONTROL_H

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

#include "recordbits.h"

// One entry of the event log: when it happened and what.
struct LogEvent
{
    QDateTime time;
    QString text;
};

// The panel's picture of the door: the last information record, configuration
// block and counters the controller sent, the tests of its inputs and
// outputs, the texts of the status line and the events not yet taken by the
// log screen.
//
// The records are kept as the controller's raw bytes.  The screens read them
// and the parameter screens edit `config` in place before sending it back.
class DoorControl : public QObject
{
    Q_OBJECT

public:
    static constexpr int InfoSize = 28;
    static constexpr int ConfigSize = 100;
    // Events kept until the log takes them, and kept by the log: the newest
    // ones, so a flapping input cannot fill the memory.
    static constexpr int MaxEvents = 1000;

    DoorControl();

    void setInfo(const QByteArray &raw);
    void setConfig(const QByteArray &raw);
    void setCounters(const QByteArray &raw);

    // A record as the serial link hands it on, by its frame type: 'i' an
    // information record, 't' the counters, 'v' a configuration block; other
    // types change nothing.  Returns whether the configuration block must be
    // asked for: after every information record while none is held.
    bool takeRecord(quint8 type, const QByteArray &raw);

    // Whether an input or output is at its active level.  False for every bit
    // until a configuration block is held.
    bool isIoActive(int bit) const;
    bool isGroupIoActive(int group, int bit) const;
    bool isGroupIoActive(GroupIoBit io) const { return isGroupIoActive(io.group, io.bit); }

    // A flag of the information record, as the controller sent it.
    bool infoBit(RecordBit flag) const;
    // An option of the configuration block held.
    bool configBit(RecordBit option) const;
    quint8 infoByte(int byte) const;

    QString versionText() const;

    QString errorText() const;
    QString warningText() const;
    // Per door build (doorcontrol_<build>.cpp): the status line's text.
    QString statusText() const;

    // Appends an event; past MaxEvents the oldest waiting one is dropped.
    void addEvent(const QString &text);
    QList<LogEvent> takeEvents();

    quint8 configValid = 0;   // a configuration block is held
    quint8 countersValid = 0; // kept for the statistics screen
    quint8 configDirty = 0;   // the held block was changed on the panel
    quint8 configWhole = 0;   // the held block came whole from the controller: only such a block
                              // goes back; the start image or a short one is shown, never sent
    quint8 eventsSeen = 1;    // no event waits to be seen

    QByteArray info;
    QByteArray config;
    qint32 uptime = 0;
    qint32 serviceTime = 0;
    QList<LogEvent> events;

private:
    // Per door build (doorcontrol_<build>.cpp): which controller types the
    // panel talks to.
    static bool acceptsRecord(const QByteArray &record);

    // The part of the status text that every build shares: safety and motion.
    QString motionText() const;

    void raiseEvents(const QByteArray &old, const QByteArray &next);
    bool bitIsActive(quint32 word, int bit, quint32 activeLevels) const;
};

#endif // DOORCONTROL_H
