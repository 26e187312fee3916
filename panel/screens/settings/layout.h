#ifndef LAYOUT_H
#define LAYOUT_H

#include "baseframe.h"
#include "panelsettings.h"

#include <QVector>

class QAbstractButton;
class QLabel;

namespace Ui {
class Layout;
}

// The layout screen: what the screen headers show (nothing, the logo or the
// ship's name), the ship's and the door's names, typed on the on-screen
// keyboard, and the switches that hide features of other screens.  Choices
// are kept on the screen until its back button saves them all to the
// settings file; entering the screen reloads them from there.
//
// Which switches there are, which key each keeps and from which level it
// shows is each door build's own table.
class Layout : public BaseFrame
{
    Q_OBJECT

public:
    struct Switch {
        const char *button;         // object name of the switch button
        bool (PanelSettings::*read)() const;
        void (PanelSettings::*write)(bool);
        BaseFrame::auth_level minLevel;
    };

    explicit Layout(QWidget *parent = nullptr);
    ~Layout() override;

protected:
    void refreshScreen(BaseFrame::auth_level level, bool entered) override;

private slots:
    void on_btnBack_clicked();
    void on_btnDoorname_clicked();
    void onButtonClicked(int button);
    void on_btnShipsname_clicked();

private:
    // Per door build (layout_<build>.cpp): the screen's switches.
    static const QVector<Switch> switches;

    void applyLayout(int value);
    void editName(QLabel *name);

    Ui::Layout *ui;
    int headerLayout = PanelSettings::NoLogoNoText;
    // Per entry of `switches`: its button (null if the form lacks it) and
    // the choice shown.
    QVector<QAbstractButton *> switchButtons;
    QVector<bool> switchOn;
};

#endif // LAYOUT_H
