#ifndef BASEFRAME_H
#define BASEFRAME_H

#include <QByteArray>
#include <QString>
#include <QWidget>

class DoorControl;
class QLabel;
class QPixmap;
class QPushButton;

// The base of every screen.
//
// It keeps the screen's header up to date (user and message buttons, fire and
// pirate labels, logo, ship's and door names, status line), hides the widgets
// a form builds disabled, and carries the signals through which a screen asks
// the main window for navigation, logins, mode changes and controller
// requests.  The main window hands each screen the door state and the logo
// once, then reaches it only through refresh() and blink().
class BaseFrame : public QWidget
{
    Q_OBJECT

public:
    // Login levels, in rising order: every gate compares them as numbers.
    enum auth_level {
        LevelStandard = 0,
        LevelService = 1,
        LevelEngineer = 2,
        LevelAdmin = 3,
    };
    Q_ENUM(auth_level)

    explicit BaseFrame(QWidget *parent = nullptr);

    void refresh(BaseFrame::auth_level level, bool entered);
    // One step of the header's blinking; `state` is the phase all screens
    // share, which the main window moves on with every step.
    void blink(bool state);

    // Shows the logo picture in the screen's logo label, if it has one.
    void setLogo(const QPixmap &logo);

    // The door-state object every screen draws from; set by the main window.
    DoorControl *doorControl = nullptr;

    // The name of a level as the panel shows it ("Service", "Engineer",
    // "Admin"); empty below Service.
    static QString levelName(BaseFrame::auth_level level);

signals:
    void segue(QString name, bool inplace = false);
    void segueBack();
    void newAuthLevel(BaseFrame::auth_level level);
    void changeMode(int mode);
    void sendCommand(quint8 command);
    void sendConfiguration(QByteArray config);

public slots:
    void on_btnMessage_clicked();
    void on_btnUser_clicked();
    // The "On / Off" of every menu that has one: asks the controller to
    // switch itself on or off.
    void switchControlOnOff();

protected:
    virtual void refreshScreen(BaseFrame::auth_level level, bool entered);
    virtual void blinkScreen(bool state);

    void setHeaderWidgets(QPushButton *btnUser, QPushButton *btnMessage, QLabel *lblFire, QLabel *lblPirate);
    void setLogoWidgets(QLabel *lblLogo, QLabel *lblShipsname, QLabel *lblDoorname);
    void setStatusLabel(QLabel *lblStatus);
    void hideDisabledChildren();
    // Makes this a screen for logged-in users only (the settings menu and
    // every screen it leads to): refreshed at level 0, as a logout does, it
    // leaves at once, and draws and sends nothing.
    void setForLoggedInUsersOnly() { loggedInUsersOnly = true; }

    // Shows a widget when `on`, unless the form built it disabled: then it
    // stays hidden at every level.
    static void setShown(QWidget *widget, bool on);

private:
    void refreshStatusLine();
    void showStatus(const QString &text, const QString &look);
    void refreshLogo();
    // Per door build (baseframe_<build>.cpp): when the fire and pirate
    // labels show.
    void refreshAlarmLabels();

    QPushButton *btnUser = nullptr;
    QPushButton *btnMessage = nullptr;
    QLabel *lblFire = nullptr;
    QLabel *lblPirate = nullptr;
    QLabel *lblLogo = nullptr;
    QLabel *lblShipsname = nullptr;
    QLabel *lblDoorname = nullptr;
    QLabel *lblStatus = nullptr;
    bool loggedInUsersOnly = false;
};

#endif // BASEFRAME_H
