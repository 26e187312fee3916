#ifndef PANELHARNESS_H
#define PANELHARNESS_H

#include "baseframe.h"
#include "frames.h"
#include "pseudoterminal.h"

#include <QAbstractButton>
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>


class MainWindow;
class QTimer;
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
class PanelHarness
{
public:
    // `settings` is written to kelvaron.ini before the window is built.
    explicit PanelHarness(const QByteArray &settings = {});
    ~PanelHarness();

    MainWindow &window() { return *mainWindow; }
    Worker &worker();
    QTimer &screensaverTimer();
    QString workingDirectory() const { return dir.path(); }

    // Sends a controller frame and waits until the panel has handed it on.
    void send(char type, const QByteArray &payload);
    // Sends raw bytes and lets the panel read them; nothing is awaited.
    void sendRaw(const QByteArray &bytes);
    // Sends a frame that ends the buffer so a waiting request goes out, and
    // returns what the panel wrote in answer.
    QByteArray poll();
    // Everything the panel has written since the last call.
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

    // Clicks a button of the showing screen with the mouse, as a finger would.
    void click(const QString &buttonName);
    // Goes to a screen by the panel's own navigation.
    void segue(const QString &name);
    // Sets the login level, as a login would, and refreshes the showing screen.
    void setLevel(int level);

    // Lets the event loop run for a moment.
    static void settle(int ms = 20);

private:
    QTemporaryDir dir;
    QString previousDir;
    PseudoTerminal controller;
    std::unique_ptr<MainWindow> mainWindow;
};

template <typename T>
T *PanelHarness::widget(const QString &name)
{
    BaseFrame *current = screen();
    return current ? current->findChild<T *>(name) : nullptr;
}

#endif // PANELHARNESS_H
