#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "baseframe.h"
#include "doorcontrol.h"
#include "recordintake.h"
#include "worker.h"

#include <QMainWindow>
#include <QPixmap>
#include <QStack>
#include <QStringList>
#include <QTimer>

namespace Ui {
class MainWindow;
}

// The panel's one window: the stack of screens, the way between them, the
// login level, the blink and screensaver timers, and the serial link with
// the door-state object it feeds through the record intake.
//
// The link to the controller runs on the serial port named; the panel
// always talks on "COM1".
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(const QString &portName = QStringLiteral("COM1"), QWidget *parent = nullptr);
    ~MainWindow() override;

    // The names of the screens entered, the current one last.
    QStringList navigationHistory() const { return history.toList(); }

signals:
    void desiredModeChanged(QByteArray mode);
    void sendCommand(quint8 cmd);
    void sendConfiguration(QByteArray config);

public slots:
    void segue(QString name, bool inplace = false);
    void segueBack();
    void newAuthLevel(BaseFrame::auth_level level);
    void blinkEvent();
    // Every record the link hands on: into the door state, then the showing
    // screen redraws what changed.
    void workerUpdated(quint8 what, QByteArray raw);
    void changeMode(int mode);
    void saveScreen();

protected:
    void showEvent(QShowEvent *event) override;

private:
    BaseFrame *currentScreen() const;

    Ui::MainWindow *ui;
    QPixmap logo;
    QStack<QString> history;
    QTimer blinkTimer;
    QTimer screensaverTimer;
    Worker worker;
    DoorControl doorControl;
    RecordIntake recordIntake;
    BaseFrame::auth_level authLevel = BaseFrame::LevelStandard;
    bool blinkPhase = false; // one phase for all screens
    quint64 segueCount = 0;
};

#endif // MAINWINDOW_H
