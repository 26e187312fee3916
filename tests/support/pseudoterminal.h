#ifndef PSEUDOTERMINAL_H
#define PSEUDOTERMINAL_H

#include <QByteArray>
#include <QString>

// A pseudo-terminal pair.  The panel's serial link opens the device end; the
// test plays the door controller on the other end.
class PseudoTerminal
{
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    bool isOpen() const { return controllerFd >= 0; }

    // The path the panel opens, e.g. /dev/pts/7.
    QString devicePath() const { return path; }

    // Sends bytes from the controller's side.
    void write(const QByteArray &bytes);

    // Bytes the panel has written so far and nobody has read yet.
    QByteArray readAvailable();

    // How many bytes sent from the controller's side the panel has not read yet.
    int unreadByPanel() const;

private:
    int controllerFd = -1;
    int deviceFd = -1; // kept open so the pair survives the panel closing its end
    QString path;
};

#endif // PSEUDOTERMINAL_H
