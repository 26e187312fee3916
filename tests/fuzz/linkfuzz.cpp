// The link target: see fuzztarget.h.

#include "fuzztarget.h"

#include "commandcode.h"
#include "doorcontrol.h"
#include "frames.h"
#include "recordintake.h"
#include "rows.h"
#include "worker.h"

#include <QByteArrayList>
#include <QLoggingCategory>
#include <QObject>
#include <QVector>

#include <cstdio>
#include <cstring>

namespace {

constexpr int LongestFrame = 257; // '?', N = 255, its 255 bytes
constexpr int ReadSizes = 64;
constexpr int ModeSwitchSize = 4;

void quiet(QtMsgType, const QMessageLogContext &, const QString &)
{
}

// Says which promise broke, for whoever replays the input.
bool broken(const char *promise)
{
    std::fprintf(stderr, "link: %s\n", promise);
    return false;
}

quint8 sumOf(const char *bytes, int count)
{
    quint8 sum = 0;
    for (int i = 0; i < count; ++i)
        sum += static_cast<quint8>(bytes[i]);
    return sum;
}

// Whether the `length` bytes at `frame` are one whole frame from `start`'s
// side ('?' the controller, '!' the panel) with a right sum.
bool isRightFrame(const char *frame, int length, char start)
{
    return length >= 4 && frame[0] == start && static_cast<quint8>(frame[1]) + 2 == length
        && sumOf(frame, length - 1) == static_cast<quint8>(frame[length - 1]);
}

// The whole controller frames with a right sum that `bytes` end with: more
// than one may fit.
struct FramesAtEnd
{
    bool any = false;
    bool information = false; // one of them is an information record
};

FramesAtEnd rightFramesAtEnd(const QByteArray &bytes)
{
    FramesAtEnd found;
    const int size = bytes.size();
    for (int length = 4; length <= qMin(size, LongestFrame); ++length) {
        const char *frame = bytes.constData() + size - length;
        if (isRightFrame(frame, length, '?')) {
            found.any = true;
            found.information = found.information || frame[2] == 'i';
        }
    }
    return found;
}

// Whether `bytes` hold a controller frame of `type` with a right sum whose
// payload is `raw`.
bool holdsRightFrameOf(const QByteArray &bytes, char type, const QByteArray &raw)
{
    const int length = raw.size() + 4;
    if (length > LongestFrame)
        return false;
    const char head[] = {'?', static_cast<char>(raw.size() + 2), type};
    const QByteArray start = QByteArray::fromRawData(head, sizeof head);
    for (int at = bytes.indexOf(start); at >= 0 && at + length <= bytes.size(); at = bytes.indexOf(start, at + 1)) {
        const char *frame = bytes.constData() + at;
        if (std::memcmp(frame + 3, raw.constData(), static_cast<std::size_t>(raw.size())) == 0
            && isRightFrame(frame, length, '?'))
            return true;
    }
    return false;
}

// The frame each command code leaves waiting, empty for a code the build
// does not know.  Which frame a code stands for is the link's own table, so
// it is read from a link of its own, once.
const QVector<QByteArray> &commandFrames()
{
    static const QVector<QByteArray> frames = [] {
        const QByteArray release = Frames::controller('x', {});
        QVector<QByteArray> all;
        for (int code = 0; code <= 0xFF; ++code) {
            Worker link{QString()};
            link.sendCommand(static_cast<quint8>(code));
            all.append(link.receive(release));
        }
        return all;
    }();
    return frames;
}

// A request for data: the counters or the configuration block.
bool isDataRequest(const QByteArray &frame)
{
    return frame == commandFrames().at(CmdRequestCounters) || frame == commandFrames().at(CmdRequestConfig);
}

// A right information frame with no start byte but its first, so that it
// can never hold a false frame start of its own.
const QByteArray &trailingFrame()
{
    static const QByteArray frame = Frames::controller('i', Frames::info());
    Q_ASSERT(frame.count('?') == 1);
    return frame;
}

// The link and the door state of one run, and what the run has seen.
class LinkRun
{
public:
    explicit LinkRun(int streamSize)
    {
        stream.reserve(streamSize);
        QObject::connect(&worker, &Worker::updated, [this](quint8 type, const QByteArray &raw) {
            forged = forged || !holdsRightFrameOf(stream, static_cast<char>(type), raw);
            intake.take(type, raw);
            handedOn = raw;
            informationSinceAnswer = informationSinceAnswer || type == 'i';
        });
    }

    void ask(quint8 command)
    {
        worker.sendCommand(command);
        left(commandFrames().at(command));
    }

    void askMode(const QByteArray &mode)
    {
        worker.sendModeSwitch(mode);
        left(Frames::panel('d', mode));
    }

    void askBlock(const QByteArray &block)
    {
        worker.sendConfiguration(block);
        left(Frames::panel('W', block));
    }

    // One read: returns whether the link kept its promises.
    bool read(const QByteArray &bytes, QByteArray *answerOut = nullptr)
    {
        handedOn.clear();
        stream.append(bytes);
        const QByteArray answer = worker.receive(bytes);
        if (answerOut)
            *answerOut = answer;
        bool kept = !forged || broken("a record handed to the door state is no right frame's payload");
        forged = false;
        if (answer.isEmpty())
            return kept;
        const FramesAtEnd releasedBy = rightFramesAtEnd(stream);
        if (!releasedBy.any && !(plusReleases && bytes == "+"))
            kept = broken("a request went out without a right frame ending the buffer");
        else if (!isRightFrame(answer.constData(), answer.size(), '!'))
            kept = broken("a frame written is not whole or its sum is wrong");
        else if (!wasAsked(answer))
            kept = broken("a frame written is none of the requests left since the last");
        else if (otherWaiting && isDataRequest(answer))
            kept = broken("a data request went out in place of a waiting command, mode switch or block");
        asked.clear();
        otherWaiting = false;
        // The frame that released the answer is handed on after it.
        informationSinceAnswer = releasedBy.information;
        return kept;
    }

    const QByteArray &lastHandedOn() const { return handedOn; }
    int events() const { return door.events.size(); }

private:
    // A request left with the link (none for a code it does not know): a
    // newer one replaces it, unless the newer asks for data and it does not.
    void left(const QByteArray &frame)
    {
        if (frame.isEmpty())
            return;
        asked.append(frame);
        otherWaiting = otherWaiting || !isDataRequest(frame);
    }

    // One of the requests left since the last answer, or the intake's
    // request for the configuration block after an information record.
    bool wasAsked(const QByteArray &answer) const
    {
        return asked.contains(answer) || (informationSinceAnswer && answer == commandFrames().at(CmdRequestConfig));
    }

    const bool plusReleases = Rows::build().plusReleasesRequest;
    Worker worker{QString()}; // fed through receive(): its port is never opened
    DoorControl door;
    RecordIntake intake{worker, door};
    QByteArray stream;
    QByteArrayList asked;
    bool otherWaiting = false; // a command, mode switch or block was left since the last answer
    bool informationSinceAnswer = false;
    bool forged = false; // a record was handed on that no right frame of the stream carries
    QByteArray handedOn;
};

} // namespace

bool fuzzTarget(const std::uint8_t *data, std::size_t size)
{
    // No debug output: the link's hex dumps then cost nothing.
    static const bool silenced = (qInstallMessageHandler(quiet),
                                  QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")), true);
    Q_UNUSED(silenced)
    if (size == 0)
        return true;

    const QByteArray &frame = trailingFrame();
    const int findWithin = (LongestFrame + frame.size() - 1) / frame.size() + 1;
    const int keptOn = 1;
    const int streamSize = static_cast<int>(size) - 1;
    LinkRun run(streamSize + (findWithin + keptOn) * frame.size());

    const int readSize = data[0] % ReadSizes + 1;
    const int requests = data[0] / ReadSizes;
    const char *stream = reinterpret_cast<const char *>(data + 1);
    bool kept = true;
    QByteArray bytes; // each read in place, the link copies what it keeps
    for (int at = 0, n = 0; at < streamSize; at += readSize, ++n) {
        bytes.setRawData(stream + at, static_cast<uint>(qMin(readSize, streamSize - at)));
        switch (requests) {
        case 0:
            if (n % 2 == 0)
                run.ask(CmdReference);
            break;
        case 1: run.ask(static_cast<quint8>(bytes.at(0))); break;
        case 2:
            if (n % 2 == 0)
                run.askMode(bytes.left(ModeSwitchSize));
            else
                run.askBlock(bytes);
            break;
        default: run.ask(n % 2 ? CmdRequestCounters : CmdReference); break;
        }
        kept = run.read(bytes) && kept;
    }

    // Found again within one longest frame and one frame more, and then
    // every right frame is taken whole and answered.
    const QByteArray payload = frame.mid(3, frame.size() - 4);
    bool found = false;
    for (int n = 0; n < findWithin && !found; ++n) {
        QByteArray answer;
        run.ask(CmdReference);
        kept = run.read(frame, &answer) && kept;
        found = !answer.isEmpty() && run.lastHandedOn() == payload;
    }
    for (int n = 0; n < keptOn && found; ++n) {
        QByteArray answer;
        run.ask(CmdReference);
        kept = run.read(frame, &answer) && kept;
        found = !answer.isEmpty() && run.lastHandedOn() == payload;
    }
    if (!found)
        return broken("right frames were not found again within a longest frame and one more");
    if (run.events() > DoorControl::MaxEvents)
        return broken("the door state keeps more events than its limit");
    return kept;
}
