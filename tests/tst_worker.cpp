// The serial link, with the test as the door controller on a pseudo-terminal.

#include "frames.h"
#include "pseudoterminal.h"
#include "worker.h"

#include <QFile>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

// What the panel writes for `sendCommand(4)` (reference run).
const QByteArray ReferenceRun = Frames::command(CmdReference);
const QByteArray CountersRequest = Frames::command(CmdRequestCounters);

// A frame of a type the link does not hand on.
QByteArray plainFrame(const QByteArray &payload = {})
{
    return Frames::controller('x', payload);
}

QByteArray withWrongSum(QByteArray frame)
{
    frame[frame.size() - 1] = static_cast<char>(frame.at(frame.size() - 1) + 1);
    return frame;
}

// A Worker on the device end of a pseudo-terminal.
struct Link
{
    PseudoTerminal controller;
    Worker worker{controller.devicePath()};
    QSignalSpy updated{&worker, &Worker::updated};

    Link()
    {
        worker.openPort();
    }

    QSerialPort &port() { return *worker.findChild<QSerialPort *>(); }

    // Sends bytes as the controller, in one write, and waits until the panel
    // has read them.
    void send(const QByteArray &bytes)
    {
        QVERIFY(controller.writeAndWaitUntilRead(bytes, port()));
    }

    // Everything the panel has written since the last call.
    QByteArray written()
    {
        if (!PseudoTerminal::waitUntilWritten(port()))
            QTest::qFail("the panel's port kept bytes back", __FILE__, __LINE__);
        return controller.readAllWritten();
    }

    QByteArrayList payloads() const
    {
        QByteArrayList list;
        for (const QList<QVariant> &arguments : updated)
            list.append(arguments.at(1).toByteArray());
        return list;
    }

    QByteArray types() const
    {
        QByteArray list;
        for (const QList<QVariant> &arguments : updated)
            list.append(static_cast<char>(arguments.at(0).value<quint8>()));
        return list;
    }
};

// Bytes as spaced hex, so that a failed comparison is readable.
QByteArray hexOf(const QByteArray &bytes)
{
    return bytes.toHex(' ').toUpper();
}

// A request written as text: "c4" sendCommand(4), "d<hex>" sendModeSwitch,
// "W<hex>" sendConfiguration.
void request(Worker &worker, const QString &text)
{
    const QByteArray argument = QByteArray::fromHex(text.mid(1).toLatin1());
    switch (text.at(0).toLatin1()) {
    case 'c': worker.sendCommand(static_cast<quint8>(text.mid(1).toInt())); break;
    case 'd': worker.sendModeSwitch(argument); break;
    case 'W': worker.sendConfiguration(argument); break;
    default: QFAIL("unknown request");
    }
}

} // namespace

class TestWorker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void commandFrame_data();
    void commandFrame();
    void unknownCommand_data();
    void unknownCommand();
    void modeSwitchFrame_data();
    void modeSwitchFrame();
    void configurationFrame_data();
    void configurationFrame();
    void laterRequestReplacesEarlier_data();
    void laterRequestReplacesEarlier();

    void frameTypes_data();
    void frameTypes();
    void emptyInformationPayload();
    void requestGoesOutOnce();
    void splitFrame_data();
    void splitFrame();
    void frameNotEndingBuffer_data();
    void frameNotEndingBuffer();
    void wrongSum();
    void wrongSumThenRightFrame();
    void bytesBeforeStart_data();
    void bytesBeforeStart();
    void plus_data();
    void plus();
    void plusAheadOfFrame();

    void burst_data();
    void burst();
    void burstRequestWrittenBeforeLastHandedOn();
    void burstRequestOnlyAfterLastFrame();
    void burstEndingInWrongSum();

    void debugDumps();

    void resynchronises_data();
    void resynchronises();
    void lostPortReopens();
};

void TestWorker::initTestCase()
{
    PseudoTerminal probe;
    QVERIFY2(probe.isOpen(), "no pseudo-terminal available");
}

// -- requests ---------------------------------------------------------------

void TestWorker::commandFrame_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("frame");

    QTest::newRow("1 X") << 1 << Frames::hex("21 03 63 58 DF");
    QTest::newRow("2 on/off") << 2 << Frames::hex("21 03 63 1B A2");
    QTest::newRow("3 deadman") << 3 << Frames::hex("21 03 63 44 CB");
    QTest::newRow("4 reference") << 4 << Frames::hex("21 03 63 52 D9");
    QTest::newRow("5 counters") << 5 << Frames::hex("21 02 74 97");
    QTest::newRow("6 reset service") << 6 << Frames::hex("21 03 63 53 DA");
    QTest::newRow("7 open") << 7 << Frames::hex("21 03 63 4F D6");
    QTest::newRow("8 sealing") << 8 << Frames::hex("21 03 63 4C D3");
    QTest::newRow("10 sensor 1") << 10 << Frames::hex("21 03 63 31 B8");
    QTest::newRow("11 sensor 2") << 11 << Frames::hex("21 03 63 32 B9");
    QTest::newRow("12 sensor 3") << 12 << Frames::hex("21 03 63 33 BA");
    QTest::newRow("13 sensor 4") << 13 << Frames::hex("21 03 63 34 BB");
    QTest::newRow("100 configuration") << 100 << Frames::hex("21 02 76 99");
}

void TestWorker::commandFrame()
{
    QFETCH(int, code);
    QFETCH(QByteArray, frame);

    Link link;
    link.worker.sendCommand(static_cast<quint8>(code));
    QCOMPARE(hexOf(link.written()), QByteArray()); // a request only waits

    link.send(plainFrame());
    QCOMPARE(hexOf(link.written()), hexOf(frame));
}

void TestWorker::unknownCommand_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("waiting");

    for (int code : {0, 9, 14, 99, 101, 255}) {
        QTest::addRow("%d, a request waiting", code) << code << true;
        QTest::addRow("%d, nothing waiting", code) << code << false;
    }
}

void TestWorker::unknownCommand()
{
    QFETCH(int, code);
    QFETCH(bool, waiting);

    Link link;
    if (waiting)
        link.worker.sendCommand(4);
    link.worker.sendCommand(static_cast<quint8>(code));

    link.send(plainFrame());
    QCOMPARE(hexOf(link.written()), waiting ? hexOf(ReferenceRun) : QByteArray());
}

void TestWorker::modeSwitchFrame_data()
{
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<QByteArray>("frame");

    QTest::newRow("mode 1 mask") << Frames::hex("02 00 00 00") << Frames::hex("21 06 64 02 00 00 00 8D");
    QTest::newRow("no mode") << Frames::hex("00 00 00 00") << Frames::hex("21 06 64 00 00 00 00 8B");
    QTest::newRow("mode 7 mask") << Frames::hex("01 00 00 00") << Frames::hex("21 06 64 01 00 00 00 8C");
    QTest::newRow("mode 6 mask") << Frames::hex("40 00 00 00") << Frames::hex("21 06 64 40 00 00 00 CB");
    QTest::newRow("sum wraps") << Frames::hex("FF FF FF FF") << Frames::hex("21 06 64 FF FF FF FF 87");
}

void TestWorker::modeSwitchFrame()
{
    QFETCH(QByteArray, mode);
    QFETCH(QByteArray, frame);

    Link link;
    link.worker.sendModeSwitch(mode);
    QCOMPARE(hexOf(link.written()), QByteArray());

    link.send(plainFrame());
    QCOMPARE(hexOf(link.written()), hexOf(frame));
}

void TestWorker::configurationFrame_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QByteArray>("frame");

    const QByteArray zeros(100, '\0');
    const QByteArray ones(100, '\x01');
    const QByteArray valid = Frames::config();
    QTest::newRow("zeros") << zeros << Frames::hex("21 66 57") + zeros + Frames::hex("DE");
    QTest::newRow("ones") << ones << Frames::hex("21 66 57") + ones + Frames::hex("42");
    QTest::newRow("valid block") << valid << Frames::hex("21 66 57") + valid + Frames::hex("F8");
}

void TestWorker::configurationFrame()
{
    QFETCH(QByteArray, block);
    QFETCH(QByteArray, frame);

    Link link;
    link.worker.sendConfiguration(block);
    QCOMPARE(hexOf(link.written()), QByteArray());

    link.send(plainFrame());
    QCOMPARE(hexOf(link.written()), hexOf(frame));
}

void TestWorker::laterRequestReplacesEarlier_data()
{
    QTest::addColumn<QStringList>("requests");
    QTest::addColumn<QByteArray>("frame");

    QTest::newRow("command, command") << QStringList{"c2", "c4"} << ReferenceRun;
    QTest::newRow("mode, command") << QStringList{"d02000000", "c4"} << ReferenceRun;
    QTest::newRow("command, mode") << QStringList{"c5", "d02000000"} << Frames::modeSwitch(0x02);
    QTest::newRow("configuration, command") << QStringList{"W" + QString(200, '0'), "c4"} << ReferenceRun;
    // A request for data never replaces a waiting request of another kind.
    const QByteArray zeroBlock = Frames::panel('W', QByteArray(100, '\0'));
    QTest::newRow("configuration, configuration request") << QStringList{"W" + QString(200, '0'), "c100"} << zeroBlock;
    QTest::newRow("configuration, counters request") << QStringList{"W" + QString(200, '0'), "c5"} << zeroBlock;
    QTest::newRow("reset, counters request") << QStringList{"c6", "c5"} << Frames::command(CmdResetService);
    QTest::newRow("mode, configuration request") << QStringList{"d02000000", "c100"} << Frames::modeSwitch(0x02);
    QTest::newRow("counters request, configuration request")
        << QStringList{"c5", "c100"} << Frames::command(CmdRequestConfig);
    QTest::newRow("configuration request, counters request") << QStringList{"c100", "c5"} << CountersRequest;
    QTest::newRow("configuration, command, counters request")
        << QStringList{"W" + QString(200, '0'), "c4", "c5"} << ReferenceRun;
    QTest::newRow("command, configuration") << QStringList{"c100", "W" + QString(200, '0')} << zeroBlock;
    // Nor does it replace one that came in place of a request for data.
    QTest::newRow("configuration request, configuration, counters request")
        << QStringList{"c100", "W" + QString(200, '0'), "c5"} << zeroBlock;
    QTest::newRow("counters request, mode, configuration request")
        << QStringList{"c5", "d02000000", "c100"} << Frames::modeSwitch(0x02);
    QTest::newRow("counters request, command, configuration request")
        << QStringList{"c5", "c4", "c100"} << ReferenceRun;
    QTest::newRow("command, unknown command") << QStringList{"c4", "c9"} << ReferenceRun;
}

void TestWorker::laterRequestReplacesEarlier()
{
    QFETCH(QStringList, requests);
    QFETCH(QByteArray, frame);

    Link link;
    for (const QString &text : requests)
        request(link.worker, text);

    link.send(plainFrame());
    QCOMPARE(hexOf(link.written()), hexOf(frame));
    link.send(plainFrame());
    QCOMPARE(hexOf(link.written()), QByteArray());
}

// -- receiving --------------------------------------------------------------

void TestWorker::frameTypes_data()
{
    QTest::addColumn<char>("type");
    QTest::addColumn<bool>("handedOn");

    QTest::newRow("i") << 'i' << true;
    QTest::newRow("t") << 't' << true;
    QTest::newRow("v") << 'v' << true;
    QTest::newRow("x") << 'x' << false;
    QTest::newRow("c") << 'c' << false;
    QTest::newRow("d") << 'd' << false;
    QTest::newRow("W") << 'W' << false;
    QTest::newRow("I") << 'I' << false;
    QTest::newRow("?") << '?' << false;
}

// Every frame with a right sum that ends the buffer releases the request;
// only 'i', 't' and 'v' are handed on.
void TestWorker::frameTypes()
{
    QFETCH(char, type);
    QFETCH(bool, handedOn);

    Link link;
    link.worker.sendCommand(4);
    const QByteArray payload = Frames::hex("18 3F 21 00 2B");
    link.send(Frames::controller(type, payload));

    QCOMPARE(hexOf(link.written()), hexOf(ReferenceRun));
    QCOMPARE(link.updated.count(), handedOn ? 1 : 0);
    if (handedOn) {
        QCOMPARE(link.types(), QByteArray(1, type));
        QCOMPARE(hexOf(link.payloads().at(0)), hexOf(payload));
    }
}

void TestWorker::emptyInformationPayload()
{
    Link link;
    link.send(Frames::hex("3F 02 69 AA"));

    QCOMPARE(link.updated.count(), 1);
    QCOMPARE(link.types(), QByteArray("i"));
    QCOMPARE(link.payloads().at(0), QByteArray());
}

// Written once, then forgotten; the frame is handed on as well.
void TestWorker::requestGoesOutOnce()
{
    Link link;
    link.worker.sendCommand(2);
    link.send(Frames::controller('i', Frames::info()));
    QCOMPARE(hexOf(link.written()), hexOf(Frames::command(CmdOnOff)));
    QCOMPARE(link.updated.count(), 1);

    link.send(Frames::controller('i', Frames::info()));
    QCOMPARE(hexOf(link.written()), QByteArray());
    QCOMPARE(link.updated.count(), 2);
}

void TestWorker::splitFrame_data()
{
    QTest::addColumn<int>("split");

    const int length = Frames::controller('i', Frames::info()).size();
    QTest::newRow("after the start byte") << 1;
    QTest::newRow("after N") << 2;
    QTest::newRow("after the type") << 3;
    QTest::newRow("inside the payload") << 12;
    QTest::newRow("before the sum") << length - 1;
}

void TestWorker::splitFrame()
{
    QFETCH(int, split);

    const QByteArray payload = Frames::info({{2, 0x20}, {26, 0x15}});
    const QByteArray frame = Frames::controller('i', payload);
    Link link;
    link.worker.sendCommand(4);

    link.send(frame.left(split));
    QCOMPARE(link.updated.count(), 0);
    QCOMPARE(hexOf(link.written()), QByteArray());

    link.send(frame.mid(split));
    QCOMPARE(link.updated.count(), 1);
    QCOMPARE(hexOf(link.payloads().at(0)), hexOf(payload));
    QCOMPARE(hexOf(link.written()), hexOf(ReferenceRun));
}

void TestWorker::frameNotEndingBuffer_data()
{
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<bool>("nextIsFrame");

    const QByteArray next = Frames::controller('t', Frames::counters(7, 9));
    QTest::newRow("start byte of another frame") << next.left(1) << true;
    QTest::newRow("three bytes of another frame") << next.left(3) << true;
    QTest::newRow("all but the sum of another frame") << next.left(next.size() - 1) << true;
    QTest::newRow("a stray byte") << QByteArray("\x00", 1) << false;
    QTest::newRow("a stray plus") << QByteArray("+") << false;
}

// A right frame followed by more bytes in the same read does not release the
// request; the request waits for a frame that does end the buffer.
void TestWorker::frameNotEndingBuffer()
{
    QFETCH(QByteArray, after);
    QFETCH(bool, nextIsFrame);

    const QByteArray next = Frames::controller('t', Frames::counters(7, 9));
    Link link;
    link.worker.sendCommand(4);

    link.send(Frames::controller('i', Frames::info()) + after);
    QCOMPARE(link.types(), QByteArray("i"));
    QCOMPARE(hexOf(link.written()), QByteArray());

    if (nextIsFrame)
        link.send(next.mid(after.size()));
    else
        link.send(next);
    QCOMPARE(link.types(), QByteArray("it"));
    QCOMPARE(hexOf(link.payloads().at(1)), hexOf(Frames::counters(7, 9)));
    QCOMPARE(hexOf(link.written()), hexOf(ReferenceRun));
}

void TestWorker::wrongSum()
{
    Link link;
    link.worker.sendCommand(4);

    link.send(withWrongSum(Frames::controller('i', Frames::info())));
    QCOMPARE(link.updated.count(), 0);
    QCOMPARE(hexOf(link.written()), QByteArray());

    link.send(plainFrame());
    QCOMPARE(hexOf(link.written()), hexOf(ReferenceRun));
}

// The frame with the wrong sum is removed and the one behind it is handled.
void TestWorker::wrongSumThenRightFrame()
{
    Link link;
    link.worker.sendCommand(4);
    const QByteArray payload = Frames::info({{2, 0x08}});

    link.send(withWrongSum(Frames::controller('i', Frames::info())) + Frames::controller('i', payload));
    QCOMPARE(link.updated.count(), 1);
    QCOMPARE(hexOf(link.payloads().at(0)), hexOf(payload));
    QCOMPARE(hexOf(link.written()), hexOf(ReferenceRun));
}

void TestWorker::bytesBeforeStart_data()
{
    QTest::addColumn<QByteArray>("junk");
    QTest::addColumn<bool>("sameRead");

    QTest::newRow("junk, then a frame") << QByteArray("abc") << false;
    QTest::newRow("zero bytes, then a frame") << QByteArray(5, '\0') << false;
    QTest::newRow("junk and a frame in one read") << QByteArray("abc") << true;
}

// Bytes ahead of '?' are dropped.  A frame behind them in the same read is
// handled with the next read.
void TestWorker::bytesBeforeStart()
{
    QFETCH(QByteArray, junk);
    QFETCH(bool, sameRead);

    const QByteArray payload = Frames::info({{3, 0x02}});
    const QByteArray frame = Frames::controller('i', payload);
    Link link;
    link.worker.sendCommand(4);

    if (!sameRead) {
        link.send(junk);
        QCOMPARE(link.updated.count(), 0);
        link.send(frame);
        QCOMPARE(link.updated.count(), 1);
        QCOMPARE(hexOf(link.payloads().at(0)), hexOf(payload));
        QCOMPARE(hexOf(link.written()), hexOf(ReferenceRun));
        return;
    }

    link.send(junk + frame);
    QCOMPARE(link.updated.count(), 0);
    QCOMPARE(hexOf(link.written()), QByteArray());

    link.send(plainFrame());
    QCOMPARE(link.updated.count(), 1);
    QCOMPARE(hexOf(link.payloads().at(0)), hexOf(payload));
    QCOMPARE(hexOf(link.written()), hexOf(ReferenceRun));
}

void TestWorker::plus_data()
{
    QTest::addColumn<QByteArrayList>("reads");
    QTest::addColumn<bool>("waiting");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("lone plus, request waiting") << QByteArrayList{"+"} << true << ReferenceRun;
    QTest::newRow("lone plus, nothing waiting") << QByteArrayList{"+"} << false << QByteArray();
    QTest::newRow("two pluses") << QByteArrayList{"++"} << true << QByteArray();
    QTest::newRow("plus behind a frame") << QByteArrayList{plainFrame() + "+"} << true << QByteArray();
    QTest::newRow("frame with a plus, then a lone plus")
        << QByteArrayList{plainFrame() + "+", "+"} << true << ReferenceRun;
    // Behind a '?' a "+" is frame data, even when it arrives on its own.
    const QByteArray framed = plainFrame("+");
    QTest::newRow("plus inside a frame, then the sum")
        << QByteArrayList{framed.left(3), framed.mid(3, 1), framed.mid(4)} << true << ReferenceRun;
}

void TestWorker::plus()
{
    QFETCH(QByteArrayList, reads);
    QFETCH(bool, waiting);
    QFETCH(QByteArray, written);

    Link link;
    if (waiting)
        link.worker.sendCommand(4);
    for (const QByteArray &bytes : reads)
        link.send(bytes);
    QCOMPARE(hexOf(link.written()), hexOf(written));

    // Nothing is left waiting once the request went out; a request still
    // waiting goes out with the next frame.
    link.send(plainFrame());
    QCOMPARE(hexOf(link.written()), waiting && written.isEmpty() ? hexOf(ReferenceRun) : QByteArray());
}

// "+" ahead of a frame is dropped without writing; the frame stays and is
// handled with the next read.
void TestWorker::plusAheadOfFrame()
{
    const QByteArray payload = Frames::info({{2, 0x04}});
    Link link;
    link.worker.sendCommand(4);

    link.send("+" + Frames::controller('i', payload));
    QCOMPARE(hexOf(link.written()), QByteArray());
    QCOMPARE(link.updated.count(), 0);

    link.send(Frames::controller('t', Frames::counters(1, 2)));
    QCOMPARE(link.types(), QByteArray("it"));
    QCOMPARE(hexOf(link.payloads().at(0)), hexOf(payload));
    QCOMPARE(hexOf(link.written()), hexOf(ReferenceRun));
}

// -- several frames in one read ----------------------------------------------

namespace {

QByteArrayList burstPayloads(int count)
{
    const QByteArrayList all{Frames::info({{2, 0x01}}), Frames::counters(100, 120), Frames::config()};
    return all.mid(0, count);
}

QByteArray burstBytes(int count)
{
    const QByteArray types("itv");
    const QByteArrayList payloads = burstPayloads(count);
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += Frames::controller(types.at(i), payloads.at(i));
    return bytes;
}

} // namespace

void TestWorker::burst_data()
{
    QTest::addColumn<int>("count");

    QTest::newRow("two frames") << 2;
    QTest::newRow("three frames") << 3;
}

void TestWorker::burst()
{
    QFETCH(int, count);

    Link link;
    link.worker.sendCommand(4);
    link.send(burstBytes(count));

    QCOMPARE(link.types(), QByteArray("itv").left(count));
    QCOMPARE(link.payloads(), burstPayloads(count));
    QCOMPARE(hexOf(link.written()), hexOf(ReferenceRun));

    // The link goes on: the next request goes out with the next frame, and
    // the next burst is handled just the same.
    link.worker.sendCommand(5);
    link.send(plainFrame());
    QCOMPARE(hexOf(link.written()), hexOf(CountersRequest));
    link.send(plainFrame());
    QCOMPARE(hexOf(link.written()), QByteArray());

    link.worker.sendCommand(4);
    link.send(burstBytes(count));
    QCOMPARE(link.updated.count(), 2 * count);
    QCOMPARE(hexOf(link.written()), hexOf(ReferenceRun));
}

// A request made while the last frame of a burst is handed on waits for the
// next frame: the waiting one was written before.
void TestWorker::burstRequestWrittenBeforeLastHandedOn()
{
    Link link;
    const QByteArray last = burstPayloads(3).last();
    QObject::connect(&link.worker, &Worker::updated, &link.worker, [&](quint8, const QByteArray &raw) {
        if (raw == last)
            link.worker.sendCommand(5);
    });
    link.worker.sendCommand(4);

    link.send(burstBytes(3));
    QCOMPARE(link.updated.count(), 3);
    QCOMPARE(hexOf(link.written()), hexOf(ReferenceRun));

    link.send(plainFrame());
    QCOMPARE(hexOf(link.written()), hexOf(CountersRequest));
}

// Frames ahead of the last one do not release: a request made while the
// first is handed on replaces the waiting one and goes out after the last.
void TestWorker::burstRequestOnlyAfterLastFrame()
{
    Link link;
    const QByteArray first = burstPayloads(3).first();
    QObject::connect(&link.worker, &Worker::updated, &link.worker, [&](quint8, const QByteArray &raw) {
        if (raw == first)
            link.worker.sendCommand(4);
    });
    link.worker.sendCommand(2);

    link.send(burstBytes(3));
    QCOMPARE(link.updated.count(), 3);
    QCOMPARE(hexOf(link.written()), hexOf(ReferenceRun));

    link.send(plainFrame());
    QCOMPARE(hexOf(link.written()), QByteArray());
}

void TestWorker::burstEndingInWrongSum()
{
    Link link;
    link.worker.sendCommand(4);

    link.send(Frames::controller('i', Frames::info()) + withWrongSum(Frames::controller('t', Frames::counters(1, 2))));
    QCOMPARE(link.types(), QByteArray("i"));
    QCOMPARE(hexOf(link.written()), QByteArray());

    link.send(plainFrame());
    QCOMPARE(hexOf(link.written()), hexOf(ReferenceRun));
}

// Each request that goes out and each payload handed on is dumped as
// lower-case hex without separators.
void TestWorker::debugDumps()
{
    Link link;
    link.worker.sendCommand(2);
    QTest::ignoreMessage(QtDebugMsg, "2103631ba2");
    QTest::ignoreMessage(QtDebugMsg, "183f2a");
    link.send(Frames::controller('t', Frames::hex("18 3F 2A")));
    QCOMPARE(link.updated.count(), 1);
}

// -- keeping the link ------------------------------------------------------------

void TestWorker::resynchronises_data()
{
    QTest::addColumn<int>("start");

    // A read that begins inside a frame whose record holds a 0x3F byte.
    for (int start = 1; start < Frames::controller('i', Frames::info()).size(); ++start)
        QTest::addRow("%d bytes into the frame", start) << start;
}

// A false start byte gives up only itself: the right frames that follow
// are found, handed on and answered at once.
void TestWorker::resynchronises()
{
    QFETCH(int, start);

    const QByteArray frame = Frames::controller('i', Frames::info({{6, 0x3F}}));
    Worker worker{QString()}; // fed through receive(): its port is never opened
    QSignalSpy updated(&worker, &Worker::updated);
    worker.receive(frame.mid(start));
    worker.receive(frame);
    worker.sendCommand(4);
    QCOMPARE(hexOf(worker.receive(frame)), hexOf(ReferenceRun));
    QVERIFY(updated.count() >= 1);
    QCOMPARE(updated.last().at(1).toByteArray(), frame.mid(3, frame.size() - 4));
}

namespace {

// A device end reached through a link, as /dev/COM1 is, that can be unplugged
// (the device and its name go, as an adapter's do) and plugged in again.
int plug(const QString &link)
{
    const int controller = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (controller < 0 || ::grantpt(controller) != 0 || ::unlockpt(controller) != 0)
        return -1;
    return QFile::link(QString::fromLocal8Bit(::ptsname(controller)), link) ? controller : -1;
}

QStringList portMessages;

} // namespace

// A port that goes away is closed and reopened when it comes back; each
// loss and reopening is logged once.
void TestWorker::lostPortReopens()
{
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("COM1"));
    int controller = plug(link);
    QVERIFY(controller >= 0);
    Worker worker(link);
    QSignalSpy updated(&worker, &Worker::updated);
    worker.openPort();
    const QByteArray frame = Frames::controller('i', Frames::info());
    QVERIFY(::write(controller, frame.constData(), frame.size()) == frame.size());
    QTRY_COMPARE(updated.count(), 1);

    portMessages.clear();
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &text) {
        if (text.startsWith(QLatin1String("serial port")))
            portMessages << text;
    });
    ::close(controller);
    QFile::remove(link);
    QTest::qWait(2500); // gone for more than two attempts to reopen
    controller = plug(link);
    QTRY_VERIFY_WITH_TIMEOUT(::write(controller, frame.constData(), frame.size()) > 0 && updated.count() >= 2, 3000);
    qInstallMessageHandler(previous);
    ::close(controller);

    QCOMPARE(portMessages.size(), 2);
    QVERIFY2(portMessages.at(0).contains(QLatin1String("lost")), qPrintable(portMessages.at(0)));
    QVERIFY2(portMessages.at(1).contains(QLatin1String("open again")), qPrintable(portMessages.at(1)));
}

QTEST_MAIN(TestWorker)
#include "tst_worker.moc"
