#include "frames.h"

#include "iolayout.h"
#include "recordbits.h"

#include <QMap>
#include <QtEndian>

namespace Frames {

static QByteArray frame(char start, char type, const QByteArray &payload)
{
    QByteArray bytes;
    bytes.append(start);
    bytes.append(static_cast<char>(payload.size() + 2));
    bytes.append(type);
    bytes.append(payload);
    quint8 sum = 0;
    for (char c : bytes)
        sum += static_cast<quint8>(c);
    bytes.append(static_cast<char>(sum));
    return bytes;
}

QByteArray controller(char type, const QByteArray &payload)
{
    return frame('?', type, payload);
}

QByteArray panel(char type, const QByteArray &payload)
{
    return frame('!', type, payload);
}

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

QByteArray command(CommandCode code)
{
    if (code == CmdRequestCounters)
        return panel('t', {});
    if (code == CmdRequestConfig)
        return panel('v', {});
    static const QMap<CommandCode, char> letters = {
        {CmdX, 'X'}, {CmdOnOff, '\x1b'}, {CmdDeadman, 'D'}, {CmdReference, 'R'}, {CmdResetService, 'S'},
        {CmdOpen, 'O'}, {CmdSealing, 'L'}, {CmdSensor1, '1'}, {CmdSensor2, '2'}, {CmdSensor3, '3'},
        {CmdSensor4, '4'},
    };
    return letters.contains(code) ? panel('c', QByteArray(1, letters.value(code))) : QByteArray();
}

QByteArray modeSwitch(quint8 mask)
{
    return panel('d', QByteArray(1, static_cast<char>(mask)) + QByteArray(3, '\0'));
}

static QByteArray withBytes(QByteArray bytes, ByteValues values)
{
    for (const auto &value : values)
        bytes[value.first] = static_cast<char>(value.second);
    return bytes;
}

QByteArray info(ByteValues bytes)
{
    QByteArray record(28, '\0');
    record[0] = 0x18;
    for (const RecordBit supply : {InfoBit::Supply230V, InfoBit::Supply230VHP})
        record[supply.byte] = static_cast<char>(record.at(supply.byte) | (1 << supply.bit));
    return withBytes(record, bytes);
}

QByteArray config(ByteValues bytes)
{
    QByteArray block(100, '\0');
    block.replace(0, 5, "V1.2=");
    block.replace(IoLayout::MainLevels, IoLayout::MainLevelBytes, QByteArray(IoLayout::MainLevelBytes, '\xff'));
    for (const IoLayout::Group &group : IoLayout::Groups)
        block.replace(group.levels, IoLayout::GroupLevelBytes, QByteArray(IoLayout::GroupLevelBytes, '\xff'));
    return withBytes(block, bytes);
}

QByteArray counters(qint32 a, qint32 b)
{
    QByteArray record(8, '\0');
    qToLittleEndian(a, record.data());
    qToLittleEndian(b, record.data() + 4);
    return record;
}

} // namespace Frames
