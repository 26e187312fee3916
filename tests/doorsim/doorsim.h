#ifndef DOORSIM_H
#define DOORSIM_H

#include <QByteArray>
#include <QFile>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVector>

struct RecordBit;

// What sets the door controller of one door build apart: the type bytes of
// its information record, its operating modes, the commands it knows and
// the steps of its reference run.
struct DoorBuild {
    char letter;
    quint8 type;                     // information record byte 0
    QVector<quint8> modeMasks;       // mode-switch masks it knows, mode 1 first
    quint8 holdOpenMasks;            // modes that open the door and keep it open
    QVector<quint8> referenceSteps;  // byte 26 values the reference run walks through
    bool sensorCommands;             // 'c' '1' to '4' switch the sensors
    bool openCommand;                // 'c' 'O' opens the door once
    bool sealingCommand;             // 'c' 'L' seals or unseals the closed door
    int lockOutput;                  // main I/O bit set while the closed door is locked; -1: none

    // "a", "b" or "c"; nullptr for anything else.
    static const DoorBuild *byName(const QString &name);
};

// The door controller's logic, apart from any port: its records, how it
// answers each frame of the panel, how the door moves and what the console
// commands change.  The door moves by beats: one beat for each information
// record sent, so a test that sends records one by one moves it exactly.
//
//   opening (byte 3 bit 1) -> open -> closing (byte 3 bit 2) -> closed (input 0)
//
// A mode that holds the door open keeps it open until another mode is chosen.
// The door does not start to move while the control is off, a fault is
// raised, the safety stop is on or a reference run goes on.
class DoorController
{
public:
    static constexpr int OpeningBeats = 5;
    static constexpr int OpenBeats = 10;
    static constexpr int ClosingBeats = 5;
    static constexpr int ReferenceStepBeats = 3;

    enum class Motion { Closed, Opening, Open, Closing };

    explicit DoorController(const DoorBuild &build, bool answerConfig = true);

    // One frame from the panel with a right sum; returns the frame the
    // controller answers with, or nothing.
    QByteArray answer(const QByteArray &frame);

    // One beat of the door's clock; called before each information record.
    void beat();

    // One console command; returns an error text, or an empty string when
    // the line was understood.
    QString command(const QString &line);

    // The console commands, one line each, for the help text.
    static QString commandHelp();

    const QByteArray &info() const { return infoRecord; }
    const QByteArray &config() const { return configBlock; }
    const QByteArray &counters() const { return counterRecord; }
    Motion motion() const { return door; }

    static QByteArray frame(char type, const QByteArray &payload);

private:
    bool bit(RecordBit flag) const;
    void setBit(RecordBit flag, bool on);
    void setReferenceStep(int step);
    void setMainIo(int bit, bool active);
    bool mayMove() const;
    void startOpening();
    void startClosing();
    void enter(Motion motion);
    void runCommand(char letter);
    void switchMode(quint8 mask);
    void setCounters(qint32 a, qint32 b);

    const DoorBuild &build;
    bool answerConfig;
    QByteArray infoRecord;
    QByteArray configBlock;
    QByteArray counterRecord;
    Motion door = Motion::Closed;
    int beatsLeft = 0;
    bool heldOpen = false;
    int referenceStep = -1; // index into the build's steps; -1: no reference run
};

// The door controller on a serial port, for tests and for running the
// panel on a desk.
//
// It sends an information record at a steady pace, answers the panel's
// frames through a DoorController and logs every frame the panel sends, one
// line per frame:
//     12:04:31.250 21 02 76 99
// A frame with a wrong sum, or bytes that start no frame, get a note after the
// bytes: "(bad sum)", "(no frame)".
class DoorSim : public QObject
{
    Q_OBJECT

public:
    struct Options {
        QString port;
        const DoorBuild *build = DoorBuild::byName(QStringLiteral("a"));
        int intervalMs = 200;
        bool answerConfig = true;
        bool paused = false;
    };

    // Frames are logged to `log`, which must stay open while the simulator lives.
    DoorSim(const Options &options, QFile *log, QObject *parent = nullptr);

    // Opens the port and starts the records (unless paused).
    bool start(QString *error);

    // One line of the control channel; returns an error text, or an empty
    // string when the line was understood.
    QString command(const QString &line);

    // The commands of the control channel, one line each, for the help text.
    static QString commandHelp();

signals:
    void quitRequested();

private:
    void readPanel();
    void sendRaw(const QByteArray &bytes);
    void sendInfo();
    void logLine(const QByteArray &bytes, const char *note = nullptr);

    Options options;
    DoorController controller;
    QFile *log;
    QSerialPort port;
    QTimer pace;
    QByteArray rxBuffer;
};

#endif // DOORSIM_H
