#ifndef PSEUDOTERMINAL_H
#define PSEUDOTERMINAL_H

#include <QByteArray>
#include <QString>

class QIODevice;

// A pseudo-terminal pair.  The panel's serial link opens the device end; the
// test plays the door controller on the other end.
//
// The pair passes bytes on a moment after they were written, in both
// directions.  The waits below therefore watch the panel's own port as
// well: what it has read and what it still holds back.
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
    // Sends bytes from the controller's side and waits until the panel's
    // port `panelPort` has read them all; false when it does not.
    bool writeAndWaitUntilRead(const QByteArray &bytes, QIODevice &panelPort);

    // Waits until the panel's port has written all it was given; false when
    // it does not.
    static bool waitUntilWritten(QIODevice &panelPort);

    // Bytes the panel has written so far and nobody has read yet.
    QByteArray readAvailable();
    // The same, with none left on its way: a mark is written on the device
    // end behind the panel's bytes and everything up to it is read.  Call it
    // once the panel's port has written all it was given.
    QByteArray readAllWritten();

    // How many bytes sent from the controller's side the panel has not read yet.
    int unreadByPanel() const;

private:
    int controllerFd = -1;
    int deviceFd = -1; // kept open so the pair survives the panel closing its end
    QString path;
};

#endif // PSEUDOTERMINAL_H
