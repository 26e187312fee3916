#include "pseudoterminal.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

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

QByteArray PseudoTerminal::readAvailable()
{
    QByteArray bytes;
    char chunk[512];
    ssize_t n;
    while ((n = ::read(controllerFd, chunk, sizeof chunk)) > 0)
        bytes.append(chunk, static_cast<int>(n));
    return bytes;
}

int PseudoTerminal::unreadByPanel() const
{
    int count = 0;
    if (deviceFd < 0 || ::ioctl(deviceFd, FIONREAD, &count) != 0)
        return 0;
    return count;
}
