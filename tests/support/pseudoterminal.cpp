#include "pseudoterminal.h"

#include <QDeadlineTimer>
#include <QIODevice>
#include <QSignalSpy>

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Far longer than the panel ever takes to read or write: only a panel that
// never does runs into it.
constexpr int WaitMs = 5000;

// Runs the event loop until `done` holds; each turn waits for the next
// emission of the spied signal.
template <typename Done>
bool waitFor(QSignalSpy &spy, Done done)
{
    const QDeadlineTimer deadline(WaitMs);
    while (!done()) {
        if (deadline.hasExpired() || !spy.wait(static_cast<int>(deadline.remainingTime())))
            return done();
    }
    return true;
}

} // namespace

PseudoTerminal::PseudoTerminal()
{
    char name[256] = {};
    termios raw{};
    cfmakeraw(&raw);
    if (openpty(&controllerFd, &deviceFd, name, &raw, nullptr) != 0) {
        controllerFd = deviceFd = -1;
        return;
    }
    fcntl(controllerFd, F_SETFL, fcntl(controllerFd, F_GETFL) | O_NONBLOCK);
    path = QString::fromLocal8Bit(name);
}

PseudoTerminal::~PseudoTerminal()
{
    if (controllerFd >= 0)
        ::close(controllerFd);
    if (deviceFd >= 0)
        ::close(deviceFd);
}

void PseudoTerminal::write(const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(controllerFd, bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            break;
        done += n;
    }
    tcdrain(controllerFd);
}

// Once the port has read and nothing is left unread, it has taken them all.
bool PseudoTerminal::writeAndWaitUntilRead(const QByteArray &bytes, QIODevice &panelPort)
{
    QSignalSpy read(&panelPort, &QIODevice::readyRead);
    write(bytes);
    return waitFor(read, [&] { return !read.isEmpty() && unreadByPanel() == 0; });
}

// A port writes what it was given from the event loop.
bool PseudoTerminal::waitUntilWritten(QIODevice &panelPort)
{
    QSignalSpy written(&panelPort, &QIODevice::bytesWritten);
    return waitFor(written, [&] { return panelPort.bytesToWrite() == 0; });
}

QByteArray PseudoTerminal::readAvailable()
{
    QByteArray bytes;
    char chunk[512];
    ssize_t n;
    while ((n = ::read(controllerFd, chunk, sizeof chunk)) > 0)
        bytes.append(chunk, static_cast<int>(n));
    return bytes;
}

QByteArray PseudoTerminal::readAllWritten()
{
    static const QByteArray mark = QByteArrayLiteral("\n-- end of what the panel wrote --\n");
    if (::write(deviceFd, mark.constData(), mark.size()) != mark.size())
        return readAvailable();
    QByteArray bytes;
    const QDeadlineTimer deadline(WaitMs);
    while (!bytes.endsWith(mark) && !deadline.hasExpired()) {
        pollfd readable{controllerFd, POLLIN, 0};
        if (::poll(&readable, 1, static_cast<int>(deadline.remainingTime())) > 0)
            bytes += readAvailable();
    }
    if (bytes.endsWith(mark))
        bytes.chop(mark.size());
    return bytes;
}

int PseudoTerminal::unreadByPanel() const
{
    int count = 0;
    if (deviceFd < 0 || ::ioctl(deviceFd, FIONREAD, &count) != 0)
        return 0;
    return count;
}
