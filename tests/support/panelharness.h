#ifndef PANELHARNESS_H
#define PANELHARNESS_H

#include "baseframe.h"
#include "frames.h"
#include "pseudoterminal.h"

#include <QAbstractButton>
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>


class MainWindow;
class QSerialPort;
class Worker;

// The real main window of the panel, in a fresh working directory of its
// own, with its serial link on a pseudo-terminal whose other end the test
// drives as the door controller.
//
//     PanelHarness panel;
//     panel.send('i', Frames::info({{2, 0x20}}));
//     panel.click("pushButton");              // a button of the showing screen
//     QCOMPARE(panel.screenName(), QString("standard"));
//     QCOMPARE(panel.written(), Frames::hex("21 02 76 99"));
//
// Nothing waits for a set time: each call waits until the panel has done
// what it calls for, and fails the test when the panel does not.  The
// panel writes only in answer to what it reads, so once a call that sends
// has returned, written() holds the whole answer.
class PanelHarness
{
public:
    // `settings` is written to kelvaron.ini before the window is built.
    explicit PanelHarness(const QByteArray &settings = {});
    ~PanelHarness();

    MainWindow &window() { return *mainWindow; }
    Worker &worker();
    // The window's timers, told apart by kind: the screensaver timer fires
    // once, the blink timer repeats.
    QTimer &screensaverTimer() { return windowTimer(true); }
    QTimer &blinkTimer() { return windowTimer(false); }
    QString workingDirectory() const { return dir.path(); }

    // Sends a controller frame and waits until the panel has handed it on.
    void send(char type, const QByteArray &payload);
    // Sends raw bytes and waits until the panel has read them all.
    void sendRaw(const QByteArray &bytes);
    // Sends a frame that ends the buffer so a waiting request goes out, and
    // returns what the panel wrote in answer.
    QByteArray poll();
    // Everything the panel has written since the last call: waits until its
    // port has put all of it on the line.
    QByteArray written();

    // The showing screen and its object name.
    BaseFrame *screen();
    QString screenName();
    // The screen with the given object name, wherever it is in the stack.
    BaseFrame *screen(const QString &name);

    // A widget of the showing screen.
    template <typename T>
    T *widget(const QString &name);
    QAbstractButton *button(const QString &name) { return widget<QAbstractButton>(name); }

    // Clicks a visible button of the showing screen with the mouse, as a
    // finger would.
    void click(const QString &buttonName);
    // Goes to a screen by the panel's own navigation.
    void segue(const QString &name);
    // Sets the login level, as a login would, and refreshes the showing screen.
    void setLevel(int level);

private:
    QSerialPort &port();
    QTimer &windowTimer(bool singleShot);

    QTemporaryDir dir;
    QString previousDir;
    PseudoTerminal controller;
    std::unique_ptr<MainWindow> mainWindow;
    QTimer noTimer; // answers for a timer the window lacks, once that failed the test
};

template <typename T>
T *PanelHarness::widget(const QString &name)
{
    BaseFrame *current = screen();
    return current ? current->findChild<T *>(name) : nullptr;
}

#endif // PANELHARNESS_H
