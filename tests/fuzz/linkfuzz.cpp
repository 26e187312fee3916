#include "linkfuzz.h"

#include "commandcode.h"
#include "doorcontrol.h"
#include "worker.h"

#include <QObject>

namespace {

// Enough right frames to outlast the longest false frame twice (257 bytes
// each) and still resynchronise.
constexpr int TrailingFrames = 24;

void quiet(QtMsgType, const QMessageLogContext &, const QString &)
{
}

QByteArray rightFrame()
{
    QByteArray record(DoorControl::InfoSize, '\0');
    record[0] = 0x18;
    record[6] = 0x3F;
    record[7] = 0x18;
    QByteArray frame = "?";
    frame.append(static_cast<char>(record.size() + 2));
    frame.append('i');
    frame.append(record);
    frame.append(static_cast<char>(frameSum(frame)));
    return frame;
}

// The requests the run can release: the reference run it asks for and the
// configuration request the main window adds while no block is held.
bool isRequest(const QByteArray &answer)
{
    return answer.isEmpty() || answer == panelFrame('c', "R") || answer == panelFrame('v', {});
}

} // namespace

bool fuzzLink(const std::uint8_t *data, std::size_t size)
{
    static const bool silenced = (qInstallMessageHandler(quiet), true);
    Q_UNUSED(silenced)
    if (size == 0)
        return true;

    Worker worker{QString()}; // fed through receive(): its port is never opened
    DoorControl door;
    QByteArray lastHandedOn;
    QObject::connect(&worker, &Worker::updated, [&](quint8 what, const QByteArray &raw) {
        lastHandedOn = raw;
        if (door.takeRecord(what, raw))
            worker.sendCommand(CmdRequestConfig);
        // What the screens read after every frame.
        door.errorText();
        door.warningText();
        door.statusText();
        door.versionText();
        for (int bit = 0; bit < 64; ++bit)
            door.isIoActive(bit);
        for (int group = 0; group < 4; ++group) {
            for (int bit = 0; bit < 8; ++bit)
                door.isGroupIoActive(group, bit);
        }
    });

    const int readSize = data[0] % 64 + 1;
    const QByteArray stream(reinterpret_cast<const char *>(data + 1), static_cast<int>(size - 1));
    bool kept = true;
    for (int at = 0, read = 0; at < stream.size(); at += readSize, ++read) {
        if (read % 2 == 0)
            worker.sendCommand(CmdReference);
        kept = isRequest(worker.receive(stream.mid(at, readSize))) && kept;
    }

    const QByteArray frame = rightFrame();
    QByteArray answer;
    for (int i = 0; i < TrailingFrames; ++i) {
        lastHandedOn.clear();
        worker.sendCommand(CmdReference);
        answer = worker.receive(frame);
        kept = isRequest(answer) && kept;
    }
    return kept && !answer.isEmpty() && lastHandedOn == frame.mid(3, DoorControl::InfoSize)
        && door.events.size() <= DoorControl::MaxEvents;
}
