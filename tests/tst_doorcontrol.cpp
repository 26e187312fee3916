// The door-state object: records, bit tests, texts, events and counters.

#include "doorcontrol.h"
#include "fakepanelclock.h"
#include "frames.h"

#include <QtTest>

namespace {

QByteArray hexOf(const QByteArray &bytes)
{
    return bytes.toHex(' ').toUpper();
}

QStringList eventTexts(const QList<LogEvent> &events)
{
    QStringList texts;
    for (const LogEvent &event : events)
        texts.append(event.text);
    return texts;
}

// A block whose active levels are all 0 (bits active when clear).
QByteArray levelsClear()
{
    return Frames::config({{16, 0}, {17, 0}, {18, 0}, {19, 0}, {68, 0}, {69, 0}, {70, 0}, {71, 0}, {82, 0}, {83, 0}});
}

} // namespace

class TestDoorControl : public QObject
{
    Q_OBJECT

private slots:
    void startValues();

    void infoAcceptance_data();
    void infoAcceptance();
    void infoCompletion_data();
    void infoCompletion();

    void configAcceptance_data();
    void configAcceptance();
    void configFlags();
    void versionText_data();
    void versionText();

    void ioActive_data();
    void ioActive();
    void groupIoActive_data();
    void groupIoActive();

    void texts_data();
    void texts();

    void events_data();
    void events();
    void takeEvents();
    void addEvent();
    void eventsKeepNewest();

    void counters_data();
    void counters();
};

void TestDoorControl::startValues()
{
    DoorControl door;
    QCOMPARE(door.configValid, quint8(0));
    QCOMPARE(door.configDirty, quint8(0));
    QCOMPARE(door.eventsSeen, quint8(1));
    QCOMPARE(hexOf(door.info), hexOf(QByteArray(7, '\0') + '\x18' + QByteArray(20, '\0')));
    QCOMPARE(door.config.size(), 100);
    QCOMPARE(door.config.mid(16, 4), QByteArray(4, '\0'));
    QCOMPARE(door.uptime, 0);
    QCOMPARE(door.serviceTime, 0);
    QVERIFY(door.events.isEmpty());
    QCOMPARE(door.versionText(), QString());
}

// -- information record ----------------------------------------------------

void TestDoorControl::infoAcceptance_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<bool>("accepted");

    const auto record = [](quint8 type) { return Frames::info({{0, type}, {26, 0x03}}); };
    QTest::newRow("0x17") << record(0x17) << false;
    QTest::newRow("0x18") << record(0x18) << true;
    QTest::newRow("0x1C") << record(0x1C) << true;
    QTest::newRow("0x1F") << record(0x1F) << true;
    QTest::newRow("0x20") << record(0x20) << false;
    QTest::newRow("0xAB") << record(0xAB) << true;
    QTest::newRow("0xAA") << record(0xAA) << false;
    QTest::newRow("0xAC") << record(0xAC) << false;
    QTest::newRow("0x24") << record(0x24) << false;
    QTest::newRow("0x11") << record(0x11) << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void TestDoorControl::infoAcceptance()
{
    QFETCH(QByteArray, payload);
    QFETCH(bool, accepted);

    DoorControl door;
    const QByteArray before = Frames::info({{2, 0x04}, {20, 0x55}});
    door.setInfo(before);
    QCOMPARE(hexOf(door.info), hexOf(before));

    door.setInfo(payload);
    QCOMPARE(hexOf(door.info), hexOf(accepted ? payload : before));
}

void TestDoorControl::infoCompletion_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QByteArray>("stored");

    const QByteArray seven = Frames::hex("18 01 02 03 04 05 06");
    QTest::newRow("7 bytes") << seven << seven + '\x18' + QByteArray(20, '\0');
    const QByteArray eight = Frames::hex("18 01 02 03 04 05 06 00");
    QTest::newRow("8 bytes, byte 7 zero") << eight << eight + QByteArray(20, '\0');
    QByteArray forty(40, '\x07');
    forty[0] = '\x18';
    QTest::newRow("40 bytes") << forty << forty.left(28);
    const QByteArray one = Frames::hex("1F");
    QTest::newRow("1 byte") << one << one + QByteArray(6, '\0') + '\x18' + QByteArray(20, '\0');
}

// A record replaces the stored one whole: bytes a short one lacks take the
// start values, not those of the record before.
void TestDoorControl::infoCompletion()
{
    QFETCH(QByteArray, payload);
    QFETCH(QByteArray, stored);

    DoorControl door;
    door.setInfo(Frames::info({{9, 0x66}, {20, 0x55}, {27, 0x0F}}));
    door.setInfo(payload);
    QCOMPARE(door.info.size(), 28);
    QCOMPARE(hexOf(door.info), hexOf(stored));
}

// -- configuration block ---------------------------------------------------

void TestDoorControl::configAcceptance_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QByteArray>("stored");

    const QByteArray valid = Frames::config({{50, 0x12}});
    QTest::newRow("100 bytes") << valid << true << valid;
    QTest::newRow("no '=' in byte 4") << Frames::config({{4, '-'}}) << false << QByteArray();
    QTest::newRow("'=' in byte 3 only") << QByteArray("ABC=D") << false << QByteArray();
    QTest::newRow("5 bytes ending in '='") << QByteArray("ABCD=") << true << QByteArray("ABCD=") + QByteArray(95, '\0');
    QTest::newRow("4 bytes") << QByteArray("ABCD") << false << QByteArray();
    QTest::newRow("empty") << QByteArray() << false << QByteArray();
    QByteArray longer = valid + QByteArray(20, '\x33');
    QTest::newRow("120 bytes") << longer << true << valid;
}

void TestDoorControl::configAcceptance()
{
    QFETCH(QByteArray, payload);
    QFETCH(bool, accepted);
    QFETCH(QByteArray, stored);

    DoorControl door;
    const QByteArray before = Frames::config({{0, 'X'}, {80, 0x28}});
    door.setConfig(before);
    QCOMPARE(door.configValid, quint8(1));
    door.configDirty = 1;

    door.setConfig(payload);
    QCOMPARE(hexOf(door.config), hexOf(accepted ? stored : before));
    QCOMPARE(door.configValid, quint8(1));
    QCOMPARE(door.configDirty, quint8(accepted ? 0 : 1));
}

// The flags as the parameter screens use them: a rejected block leaves
// them alone, only an accepted one sets "held" and clears "changed".
void TestDoorControl::configFlags()
{
    DoorControl door;
    door.setConfig("ABCD");
    QCOMPARE(door.configValid, quint8(0));

    door.setConfig(Frames::config());
    QCOMPARE(door.configValid, quint8(1));
    QCOMPARE(door.configDirty, quint8(0));

    door.configValid = 0;
    door.configDirty = 1;
    door.setConfig(Frames::config({{4, 0}}));
    QCOMPARE(door.configValid, quint8(0));
    QCOMPARE(door.configDirty, quint8(1));

    door.setConfig(Frames::config());
    QCOMPARE(door.configValid, quint8(1));
    QCOMPARE(door.configDirty, quint8(0));
}

void TestDoorControl::versionText_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<bool>("held");
    QTest::addColumn<QString>("text");

    QTest::newRow("no block") << QByteArray() << false << QString();
    QTest::newRow("four characters") << QByteArray("V1.2=") << true << "V1.2";
    QTest::newRow("ends at a zero byte") << QByteArray("V1\0\0=", 5) << true << "V1";
    QTest::newRow("zero in the middle") << QByteArray("V\0X9=", 5) << true << "V";
    QTest::newRow("zero first") << QByteArray("\0ABC=", 5) << true << QString();
    QTest::newRow("block no longer held") << QByteArray("V1.2=") << false << QString();
}

void TestDoorControl::versionText()
{
    QFETCH(QByteArray, block);
    QFETCH(bool, held);
    QFETCH(QString, text);

    DoorControl door;
    if (!block.isEmpty())
        door.setConfig(block);
    if (!held)
        door.configValid = 0;
    QCOMPARE(door.versionText(), text);
}

// -- bit tests ---------------------------------------------------------------

void TestDoorControl::ioActive_data()
{
    QTest::addColumn<QByteArray>("block"); // empty: none held
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<int>("bit");
    QTest::addColumn<bool>("active");

    const QByteArray set0 = Frames::info({{6, 0x01}});
    const QByteArray clear0 = Frames::info({{6, 0xFE}});
    QTest::newRow("no block, bit set") << QByteArray() << set0 << 0 << false;
    QTest::newRow("no block, bit clear") << QByteArray() << clear0 << 0 << false;
    QTest::newRow("level 1, bit set") << Frames::config() << set0 << 0 << true;
    QTest::newRow("level 1, bit clear") << Frames::config() << clear0 << 0 << false;
    QTest::newRow("level 0, bit clear") << levelsClear() << clear0 << 0 << true;
    QTest::newRow("level 0, bit set") << levelsClear() << set0 << 0 << false;
    QTest::newRow("5-byte block, bit clear") << QByteArray("ABCD=") << clear0 << 0 << true;
    QTest::newRow("5-byte block, bit set") << QByteArray("ABCD=") << set0 << 0 << false;

    // Bit n of bytes 6..9 against bit n of config bytes 16..19, little-endian.
    QTest::newRow("bit 5 set") << Frames::config() << Frames::info({{6, 0x20}}) << 5 << true;
    QTest::newRow("bit 9 set") << Frames::config() << Frames::info({{7, 0x02}}) << 9 << true;
    QTest::newRow("bit 11 of the default supply byte") << Frames::config() << Frames::info() << 11 << true;
    QTest::newRow("bit 10 clear") << Frames::config() << Frames::info() << 10 << false;
    QTest::newRow("bit 19 set") << Frames::config() << Frames::info({{8, 0x08}}) << 19 << true;
    QTest::newRow("bit 19, its own level 0") << Frames::config({{18, 0xF7}}) << Frames::info({{8, 0x08}}) << 19 << false;
    QTest::newRow("bit 19, another level 0") << Frames::config({{18, 0xFB}}) << Frames::info({{8, 0x08}}) << 19 << true;
    QTest::newRow("bit 31 set") << Frames::config() << Frames::info({{9, 0x80}}) << 31 << true;
    QTest::newRow("bit 31 clear, level 0") << Frames::config({{19, 0x7F}}) << Frames::info() << 31 << true;
    QTest::newRow("byte 10 is not in the word") << Frames::config() << Frames::info({{10, 0xFF}}) << 0 << false;
}

void TestDoorControl::ioActive()
{
    QFETCH(QByteArray, block);
    QFETCH(QByteArray, record);
    QFETCH(int, bit);
    QFETCH(bool, active);

    DoorControl door;
    if (!block.isEmpty())
        door.setConfig(block);
    door.setInfo(record);
    QCOMPARE(door.isIoActive(bit), active);
}

void TestDoorControl::groupIoActive_data()
{
    QTest::addColumn<QByteArray>("block"); // empty: none held
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("bit");
    QTest::addColumn<bool>("active");

    const QByteArray all = Frames::info({{10, 0xFF}, {11, 0xFF}, {12, 0xFF}, {13, 0xFF},
                                         {14, 0xFF}, {15, 0xFF}, {16, 0xFF}, {17, 0xFF},
                                         {18, 0xFF}, {19, 0xFF}, {20, 0xFF}, {21, 0xFF}});
    QTest::newRow("no block") << QByteArray() << all << 0 << 0 << false;
    QTest::newRow("no block, bit 20") << QByteArray() << all << 1 << 20 << false;

    // Each group's word and its 16 active levels.
    QTest::newRow("group 0 set, level 1") << Frames::config() << Frames::info({{10, 0x01}}) << 0 << 0 << true;
    QTest::newRow("group 0 clear, level 1") << Frames::config() << Frames::info({{14, 0x01}, {18, 0x01}}) << 0 << 0 << false;
    QTest::newRow("group 0 clear, level 0") << levelsClear() << Frames::info() << 0 << 0 << true;
    QTest::newRow("group 0 bit 15, level 0") << Frames::config({{69, 0x7F}}) << Frames::info({{11, 0x80}}) << 0 << 15 << false;
    QTest::newRow("group 1 set, level 1") << Frames::config() << Frames::info({{14, 0x01}}) << 1 << 0 << true;
    QTest::newRow("group 1 clear, level 1") << Frames::config() << Frames::info({{10, 0x01}, {18, 0x01}}) << 1 << 0 << false;
    QTest::newRow("group 1 clear, level 0") << Frames::config({{70, 0xFE}}) << Frames::info() << 1 << 0 << true;
    QTest::newRow("group 1 bit 9, level 0") << Frames::config({{71, 0xFD}}) << Frames::info({{15, 0x02}}) << 1 << 9 << false;
    QTest::newRow("group 2 set, level 1") << Frames::config() << Frames::info({{18, 0x04}}) << 2 << 2 << true;
    QTest::newRow("group 2 clear, level 1") << Frames::config() << Frames::info({{10, 0x04}, {14, 0x04}}) << 2 << 2 << false;
    QTest::newRow("group 2 clear, level 0") << Frames::config({{82, 0xFB}}) << Frames::info() << 2 << 2 << true;
    QTest::newRow("group 2 bit 12, level 0") << Frames::config({{83, 0xEF}}) << Frames::info() << 2 << 12 << true;

    // Any other group number means group 0.
    QTest::newRow("group 3 is group 0") << Frames::config() << Frames::info({{10, 0x08}}) << 3 << 3 << true;
    QTest::newRow("group 3 is not group 1") << Frames::config() << Frames::info({{14, 0x08}}) << 3 << 3 << false;
    QTest::newRow("group -1 is group 0") << Frames::config() << Frames::info({{10, 0x08}}) << -1 << 3 << true;
    QTest::newRow("group 7 is group 0, level 0") << levelsClear() << Frames::info() << 7 << 1 << true;

    // Bits 16..31 are active when set, whatever the block holds.
    QTest::newRow("group 0 bit 16 set") << levelsClear() << Frames::info({{12, 0x01}}) << 0 << 16 << true;
    QTest::newRow("group 0 bit 16 clear") << levelsClear() << Frames::info() << 0 << 16 << false;
    QTest::newRow("group 0 bit 31 set") << levelsClear() << Frames::info({{13, 0x80}}) << 0 << 31 << true;
    QTest::newRow("group 1 bit 20 set") << levelsClear() << Frames::info({{16, 0x10}}) << 1 << 20 << true;
    QTest::newRow("group 1 bit 20 clear") << levelsClear() << Frames::info() << 1 << 20 << false;
    QTest::newRow("group 1 bit 20 set, bytes 72..73 zero")
        << Frames::config({{72, 0}, {73, 0}}) << Frames::info({{16, 0x10}}) << 1 << 20 << true;
    QTest::newRow("group 1 bit 20 clear, bytes 72..73 set")
        << Frames::config({{72, 0xFF}, {73, 0xFF}}) << Frames::info() << 1 << 20 << false;
    QTest::newRow("group 2 bit 24 set") << levelsClear() << Frames::info({{21, 0x01}}) << 2 << 24 << true;
    QTest::newRow("group 2 bit 24 clear, bytes 84..85 zero")
        << Frames::config({{84, 0}, {85, 0}}) << Frames::info() << 2 << 24 << false;
}

void TestDoorControl::groupIoActive()
{
    QFETCH(QByteArray, block);
    QFETCH(QByteArray, record);
    QFETCH(int, group);
    QFETCH(int, bit);
    QFETCH(bool, active);

    DoorControl door;
    if (!block.isEmpty())
        door.setConfig(block);
    door.setInfo(record);
    QCOMPARE(door.isGroupIoActive(group, bit), active);
}

// -- texts -----------------------------------------------------------------

void TestDoorControl::texts_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QByteArray>("block"); // empty: none held
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("status");

    const QByteArray none;
    const QByteArray valid = Frames::config();
    // Reference run done (low bits of byte 26 = 5), so the status text says
    // more than the reference step.
    const auto record = [](Frames::ByteValues values) {
        QByteArray bytes = Frames::info({{26, 0x05}});
        for (const auto &value : values)
            bytes[value.first] = static_cast<char>(value.second);
        return bytes;
    };

    QTest::newRow("start values") << QByteArray() << none << "" << "" << "Ref: Find close";
    QTest::newRow("accepted zero record") << Frames::info() << none << "" << "" << "Ref: Find close";

    // errors
    QTest::newRow("b2 0x20") << record({{2, 0x20}}) << none << "System failure" << "" << "Door open";
    QTest::newRow("b2 0x30") << record({{2, 0x30}}) << none << "System failure" << "" << "Door open";
    QTest::newRow("b2 0xFE") << record({{2, 0xFE}}) << none << "System failure" << "Sensor / switch error" << "No safety";
    QTest::newRow("b2 0x10") << record({{2, 0x10}}) << none << "Fault on operation" << "" << "Door open";
    QTest::newRow("b3 0x80") << record({{3, 0x80}}) << none << "Fault on operation" << "" << "Door open";
    QTest::newRow("b3 0x80, b2 0x40") << record({{2, 0x40}, {3, 0x80}}) << none << "Fault on operation" << "" << "Door open";
    QTest::newRow("b2 0x50") << record({{2, 0x50}}) << none << "Fault on operation" << "" << "Door open";
    QTest::newRow("b2 0x40") << record({{2, 0x40}}) << none << "Fault on reboot" << "" << "Door open";
    QTest::newRow("b2 0xC0") << record({{2, 0xC0}}) << none << "Fault on reboot" << "" << "Door open";
    QTest::newRow("b2 0x80") << record({{2, 0x80}}) << none << "Emergency halt" << "" << "Door open";
    QTest::newRow("b2 0x82") << record({{2, 0x82}}) << none << "Emergency halt" << "" << "Door open";
    QTest::newRow("b2 0x02") << record({{2, 0x02}}) << none << "Control off" << "" << "Door open";
    QTest::newRow("group 1 bit 0 set, level 1") << record({{14, 0x01}}) << valid << "Control off" << "" << "Door open";
    QTest::newRow("group 1 bit 0 clear, level 0")
        << record({}) << Frames::config({{70, 0xFE}}) << "Control off" << "" << "Door open";
    QTest::newRow("group 1 bit 0 set, no block") << record({{14, 0x01}}) << none << "" << "" << "Door open";
    QTest::newRow("group 0 bit 0 set") << record({{10, 0x01}}) << valid << "" << "" << "Door open";
    QTest::newRow("b2 0x01 alone") << record({{2, 0x01}}) << none << "" << "" << "Door open";

    // warnings
    QTest::newRow("b2 0x08") << record({{2, 0x08}}) << none << "" << "Sensor / switch error" << "Door open";
    QTest::newRow("b26 0x15") << Frames::info({{26, 0x15}}) << none << "" << "Service needed" << "Door open";
    QTest::newRow("b26 0x10") << Frames::info({{26, 0x10}}) << none << "" << "Service needed" << "Ref: Find close";
    QTest::newRow("b2 0x08, b26 0x15") << Frames::info({{2, 0x08}, {26, 0x15}}) << none << "" << "Sensor / switch error" << "Door open";

    // status
    QTest::newRow("b26 0x01") << Frames::info({{26, 0x01}}) << none << "" << "" << "Ref: Full open";
    QTest::newRow("b26 0x02") << Frames::info({{26, 0x02}}) << none << "" << "" << "Ref: Half open";
    QTest::newRow("b26 0x03") << Frames::info({{26, 0x03}}) << none << "" << "" << "Ref: PB open";
    QTest::newRow("b26 0x04") << Frames::info({{26, 0x04}}) << none << "" << "" << "Homing";
    QTest::newRow("b26 0x14") << Frames::info({{26, 0x14}}) << none << "" << "Service needed" << "Homing";
    QTest::newRow("b26 0x04, b2 0x04, b3 0x06") << Frames::info({{2, 0x04}, {3, 0x06}, {26, 0x04}}) << none << "" << "" << "Homing";
    QTest::newRow("b26 0x0F") << Frames::info({{26, 0x0F}}) << none << "" << "" << "Door open";
    QTest::newRow("b2 0x04") << record({{2, 0x04}}) << none << "" << "" << "No safety";
    QTest::newRow("b2 0x04, b3 0x06") << record({{2, 0x04}, {3, 0x06}}) << none << "" << "" << "No safety";
    QTest::newRow("b3 0x06") << record({{3, 0x06}}) << none << "" << "" << "Preparing slide";
    QTest::newRow("b3 0x02") << record({{3, 0x02}}) << none << "" << "" << "Opening";
    QTest::newRow("b3 0x04") << record({{3, 0x04}}) << none << "" << "" << "Closing";
    QTest::newRow("b3 0x86") << record({{3, 0x86}}) << none << "Fault on operation" << "" << "Preparing slide";
    QTest::newRow("input 0 set, no block") << record({{6, 0x01}}) << none << "" << "" << "Door open";
    QTest::newRow("input 0 set, level 1") << record({{6, 0x01}}) << valid << "" << "" << "Door closed";
    QTest::newRow("input 0 clear, level 1") << record({}) << valid << "" << "" << "Door open";
    QTest::newRow("input 0 clear, level 0") << record({}) << Frames::config({{16, 0xFE}}) << "" << "" << "Door closed";
    QTest::newRow("input 0 set, level 0") << record({{6, 0x01}}) << Frames::config({{16, 0xFE}}) << "" << "" << "Door open";
    QTest::newRow("all levels 0") << record({}) << levelsClear() << "Control off" << "" << "Door closed";
}

void TestDoorControl::texts()
{
    QFETCH(QByteArray, record);
    QFETCH(QByteArray, block);
    QFETCH(QString, error);
    QFETCH(QString, warning);
    QFETCH(QString, status);

    DoorControl door;
    if (!block.isEmpty())
        door.setConfig(block);
    if (!record.isEmpty())
        door.setInfo(record);
    QCOMPARE(door.errorText(), error);
    QCOMPARE(door.warningText(), warning);
    QCOMPARE(door.statusText(), status);
}

// -- events ----------------------------------------------------------------

void TestDoorControl::events_data()
{
    QTest::addColumn<QByteArrayList>("records");
    QTest::addColumn<QStringList>("texts");

    const QByteArray plain = Frames::info();
    QTest::newRow("first record with byte 7 = 0x18") << QByteArrayList{plain} << QStringList();
    QTest::newRow("first record with byte 7 = 0")
        << QByteArrayList{Frames::info({{7, 0}})} << QStringList{"230V error", "230V HP error"};
    QTest::newRow("230V HP lost") << QByteArrayList{Frames::info({{7, 0x08}})} << QStringList{"230V HP error"};
    QTest::newRow("230V lost") << QByteArrayList{Frames::info({{7, 0x10}})} << QStringList{"230V error"};
    QTest::newRow("supplies back")
        << QByteArrayList{Frames::info({{7, 0}}), plain}
        << QStringList{"230V error", "230V HP error", "230V ok", "230V HP ok"};
    QTest::newRow("other bits of byte 7") << QByteArrayList{Frames::info({{7, 0xE7 | 0x18}})} << QStringList();

    QTest::newRow("battery set, cleared, set")
        << QByteArrayList{Frames::info({{2, 0x20}}), plain, Frames::info({{2, 0x20}})}
        << QStringList{"battery error", "battery error"};
    QTest::newRow("battery stays set")
        << QByteArrayList{Frames::info({{2, 0x20}}), Frames::info({{2, 0x20}})} << QStringList{"battery error"};

    QTest::newRow("service reached, reset")
        << QByteArrayList{Frames::info({{26, 0x10}}), plain}
        << QStringList{"service interval reached", "service interval reset"};
    QTest::newRow("service stays reached")
        << QByteArrayList{Frames::info({{26, 0x15}}), Frames::info({{26, 0x14}})} << QStringList{"service interval reached"};

    QTest::newRow("safety stop set, cleared, set")
        << QByteArrayList{Frames::info({{5, 0x20}}), plain, Frames::info({{5, 0x20}})}
        << QStringList{"safety stop", "safety stop"};
    QTest::newRow("bit 5 of byte 4 is not the safety stop") << QByteArrayList{Frames::info({{4, 0x20}})} << QStringList();

    QTest::newRow("all five at once")
        << QByteArrayList{Frames::info({{7, 0}}), Frames::info({{26, 0x10}, {2, 0x20}, {7, 0x18}, {5, 0x20}})}
        << QStringList{"230V error", "230V HP error",
                       "service interval reached", "battery error", "230V ok", "230V HP ok", "safety stop"};
    QTest::newRow("all five cleared")
        << QByteArrayList{Frames::info({{26, 0x10}, {2, 0x20}, {5, 0x20}}), Frames::info({{7, 0}})}
        << QStringList{"service interval reached", "battery error", "safety stop",
                       "service interval reset", "230V error", "230V HP error"};

    QTest::newRow("rejected record") << QByteArrayList{Frames::info({{0, 0x17}, {7, 0}, {2, 0x20}})} << QStringList();
    QTest::newRow("rejected record is no base")
        << QByteArrayList{Frames::info({{2, 0x20}}), Frames::info({{0, 0x17}}), Frames::info({{2, 0x20}})}
        << QStringList{"battery error"};
    QTest::newRow("short record keeps supplies good") << QByteArrayList{Frames::hex("18 00 00")} << QStringList();
    QTest::newRow("empty record") << QByteArrayList{QByteArray()} << QStringList();
}

void TestDoorControl::events()
{
    QFETCH(QByteArrayList, records);
    QFETCH(QStringList, texts);

    DoorControl door;
    for (const QByteArray &record : records)
        door.setInfo(record);
    QCOMPARE(eventTexts(door.events), texts);
    QCOMPARE(door.eventsSeen, quint8(texts.isEmpty() ? 1 : 0));
}

void TestDoorControl::takeEvents()
{
    DoorControl door;
    door.setInfo(Frames::info({{7, 0}}));
    door.eventsSeen = 1;

    const QList<LogEvent> taken = door.takeEvents();
    QCOMPARE(eventTexts(taken), (QStringList{"230V error", "230V HP error"}));
    // Stamped by the panel's own clock, in local time.
    QCOMPARE(taken.at(0).time, FakePanelClock::now());
    QVERIFY(door.events.isEmpty());
    QVERIFY(door.takeEvents().isEmpty());
    QCOMPARE(door.eventsSeen, quint8(1)); // only the log screen changes it
}

// A flapping input cannot fill the memory: the newest events stay.
void TestDoorControl::eventsKeepNewest()
{
    DoorControl door;
    for (int i = 0; i < DoorControl::MaxEvents + 5; ++i)
        door.addEvent(QString::number(i));
    QCOMPARE(door.events.size(), DoorControl::MaxEvents);
    QCOMPARE(door.events.first().text, QString("5"));
    QCOMPARE(door.events.last().text, QString::number(DoorControl::MaxEvents + 4));
}

void TestDoorControl::addEvent()
{
    DoorControl door;
    door.addEvent("first");
    QCOMPARE(door.eventsSeen, quint8(0));
    door.eventsSeen = 1;
    door.addEvent("second");
    QCOMPARE(door.eventsSeen, quint8(0));
    QCOMPARE(eventTexts(door.events), (QStringList{"first", "second"}));
    QCOMPARE(door.events.at(1).time.timeSpec(), Qt::LocalTime);
}

// -- counters --------------------------------------------------------------

void TestDoorControl::counters_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("held");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("uptime");
    QTest::addColumn<int>("serviceTime");

    QTest::newRow("A 100, B 150, interval 40") << 40 << true << Frames::counters(100, 150) << 100 << 0;
    QTest::newRow("A 100, B 120, interval 40") << 40 << true << Frames::counters(100, 120) << 100 << 20;
    QTest::newRow("result 1") << 40 << true << Frames::counters(100, 139) << 100 << 1;
    QTest::newRow("result 0") << 40 << true << Frames::counters(100, 140) << 100 << 0;
    QTest::newRow("far below zero") << 0 << true << Frames::counters(0, 2000000000) << 0 << 0;
    QTest::newRow("interval is unsigned") << 0xFFFF << true << Frames::counters(0, 0) << 0 << 65535;
    QTest::newRow("negative counter A") << 40 << true << Frames::counters(-5, 0) << -5 << 35;
    QTest::newRow("negative counter B") << 40 << true << Frames::counters(10, -5) << 10 << 55;
    QTest::newRow("block not held") << 40 << false << Frames::counters(100, 120) << 100 << 20;
    QTest::newRow("4 bytes: B reads zero") << 40 << true << Frames::hex("64 00 00 00") << 100 << 140;
    QTest::newRow("6 bytes") << 40 << true << Frames::hex("64 00 00 00 0A 00") << 100 << 130;
    QTest::newRow("2 bytes") << 40 << true << Frames::hex("10 00") << 16 << 56;
    QTest::newRow("empty") << 40 << true << QByteArray() << 0 << 40;
    QTest::newRow("longer than 8 bytes")
        << 40 << true << Frames::counters(100, 120) + Frames::hex("FF FF FF FF") << 100 << 20;
}

void TestDoorControl::counters()
{
    QFETCH(int, interval);
    QFETCH(bool, held);
    QFETCH(QByteArray, payload);
    QFETCH(int, uptime);
    QFETCH(int, serviceTime);

    DoorControl door;
    door.setConfig(Frames::config({{80, quint8(interval & 0xFF)}, {81, quint8(interval >> 8)}}));
    if (!held)
        door.configValid = 0;
    door.uptime = 7;
    door.serviceTime = 7;
    door.setCounters(payload);
    QCOMPARE(door.uptime, uptime);
    QCOMPARE(door.serviceTime, serviceTime);
}

QTEST_MAIN(TestDoorControl)
#include "tst_doorcontrol.moc"
