#include "doorcontrol.h"

#include "iolayout.h"
#include "panelclock.h"

#include <QtEndian>

#include <limits>

namespace {

// Byte 7 of a fresh record says both supplies are good.
constexpr quint8 DefaultSupplyByte = 0x18;

constexpr int ServiceInterval = 80;  // config bytes 80..81
constexpr int VersionChars = 4;
constexpr char ValidMark = '=';      // config byte 4

quint32 word32(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 word16(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

bool bitOf(const QByteArray &bytes, RecordBit flag)
{
    return (static_cast<quint8>(bytes.at(flag.byte)) >> flag.bit) & 1;
}

// `raw` laid over `image`: bytes that `raw` lacks keep the image's values,
// bytes beyond the image are cut.
QByteArray overlaid(QByteArray image, const QByteArray &raw)
{
    const int count = qMin(raw.size(), image.size());
    image.replace(0, count, raw.constData(), count);
    return image;
}

QByteArray defaultInfo()
{
    QByteArray record(DoorControl::InfoSize, '\0');
    record[7] = static_cast<char>(DefaultSupplyByte);
    return record;
}

} // namespace

DoorControl::DoorControl()
    : info(defaultInfo())
    , config(ConfigSize, '\0')
{
}

void DoorControl::setInfo(const QByteArray &raw)
{
    const QByteArray record = overlaid(defaultInfo(), raw);

    if (!acceptsRecord(record))
        return;
    raiseEvents(info, record);
    info = record;
}

void DoorControl::setConfig(const QByteArray &raw)
{
    const QByteArray block = overlaid(QByteArray(ConfigSize, '\0'), raw);
    if (block.at(4) != ValidMark)
        return;
    config = block;
    configValid = 1;
    configDirty = 0;
    configWhole = raw.size() >= ConfigSize ? 1 : 0;
}

bool DoorControl::takeRecord(quint8 type, const QByteArray &raw)
{
    switch (type) {
    case 'i':
        setInfo(raw);
        return !configValid;
    case 't':
        setCounters(raw);
        return false;
    case 'v':
        setConfig(raw);
        return false;
    default:
        return false;
    }
}

void DoorControl::setCounters(const QByteArray &raw)
{
    const QByteArray counters = overlaid(QByteArray(8, '\0'), raw);
    const qint32 counterA = qFromLittleEndian<qint32>(counters.constData());
    const qint32 counterB = qFromLittleEndian<qint32>(counters.constData() + 4);
    const qint64 interval = word16(config, ServiceInterval);

    uptime = counterA;
    const qint64 remaining = interval - counterB + counterA;
    serviceTime = remaining < 1 ? 0 : static_cast<qint32>(qMin<qint64>(remaining, std::numeric_limits<qint32>::max()));
}

bool DoorControl::bitIsActive(quint32 word, int bit, quint32 activeLevels) const
{
    return configValid && (((word ^ activeLevels) >> bit) & 1) == 0;
}

bool DoorControl::isIoActive(int bit) const
{
    return bitIsActive(word32(info, IoLayout::MainWord), bit, word32(config, IoLayout::MainLevels));
}

bool DoorControl::isGroupIoActive(int group, int bit) const
{
    const IoLayout::Group layout = IoLayout::group(group);
    // Bits 16 to 31 of every group are active when set.
    const quint32 levels = 0xFFFF0000u | word16(config, layout.levels);
    return bitIsActive(word32(info, layout.word), bit, levels);
}

bool DoorControl::infoBit(RecordBit flag) const
{
    return bitOf(info, flag);
}

bool DoorControl::configBit(RecordBit option) const
{
    return bitOf(config, option);
}

quint8 DoorControl::infoByte(int byte) const
{
    return static_cast<quint8>(info.at(byte));
}

QString DoorControl::versionText() const
{
    if (!configValid)
        return {};
    const QByteArray chars = config.left(VersionChars);
    const int end = chars.indexOf('\0');
    return QString::fromLatin1(end < 0 ? chars : chars.left(end));
}

QString DoorControl::errorText() const
{
    if (infoBit(InfoBit::SystemFailure))
        return QStringLiteral("System failure");
    if (infoBit(InfoBit::FaultOnOperation) || infoBit(InfoBit::MotionFault))
        return QStringLiteral("Fault on operation");
    if (infoBit(InfoBit::FaultOnReboot))
        return QStringLiteral("Fault on reboot");
    if (infoBit(InfoBit::EmergencyHalt))
        return QStringLiteral("Emergency halt");
    if (infoBit(InfoBit::ControlOff) || isGroupIoActive(GroupIo::AllOff))
        return QStringLiteral("Control off");
    return {};
}

QString DoorControl::warningText() const
{
    if (infoBit(InfoBit::SensorError))
        return QStringLiteral("Sensor / switch error");
    if (infoBit(InfoBit::ServiceNeeded))
        return QStringLiteral("Service needed");
    return {};
}

QString DoorControl::motionText() const
{
    if (infoBit(InfoBit::NoSafety))
        return QStringLiteral("No safety");
    if (infoBit(InfoBit::Opening) && infoBit(InfoBit::Closing))
        return QStringLiteral("Preparing slide");
    if (infoBit(InfoBit::Opening))
        return QStringLiteral("Opening");
    if (infoBit(InfoBit::Closing))
        return QStringLiteral("Closing");
    return {};
}

void DoorControl::addEvent(const QString &text)
{
    if (events.size() >= MaxEvents)
        events.removeFirst();
    events.append({PanelClock::toDateTime(PanelClock::localTime()), text});
    eventsSeen = 0;
}

QList<LogEvent> DoorControl::takeEvents()
{
    QList<LogEvent> taken;
    taken.swap(events);
    return taken;
}

void DoorControl::raiseEvents(const QByteArray &old, const QByteArray &next)
{
    const auto changed = [&](RecordBit flag) { return bitOf(old, flag) != bitOf(next, flag); };
    const auto rose = [&](RecordBit flag) { return !bitOf(old, flag) && bitOf(next, flag); };
    const auto okOrError = [&](RecordBit flag) {
        return bitOf(next, flag) ? QStringLiteral("ok") : QStringLiteral("error");
    };

    if (changed(InfoBit::ServiceNeeded))
        addEvent(QStringLiteral("service interval %1")
                     .arg(bitOf(next, InfoBit::ServiceNeeded) ? QStringLiteral("reached") : QStringLiteral("reset")));
    if (rose(InfoBit::SystemFailure))
        addEvent(QStringLiteral("battery error"));
    if (changed(InfoBit::Supply230V))
        addEvent(QStringLiteral("230V %1").arg(okOrError(InfoBit::Supply230V)));
    if (changed(InfoBit::Supply230VHP))
        addEvent(QStringLiteral("230V HP %1").arg(okOrError(InfoBit::Supply230VHP)));
    if (rose(InfoBit::SafetyStop))
        addEvent(QStringLiteral("safety stop"));
}
