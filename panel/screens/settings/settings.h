#ifndef SETTINGS_H
#define SETTINGS_H

#include "baseframe.h"

#include <QPair>
#include <QVector>

class QAbstractButton;

namespace Ui {
class Settings;
}

// The settings menu: the way to the parameter screens, the date and time,
// the header layout and, where a build has it, the sensors screen, for
// logged-in users only: at level 0 it leaves itself at once, and so does
// every screen it leads to.
//
// Which button leads where, and from which level, is each door build's own
// table; a build without a screen leaves its button out of the form and the
// table.  Logged-in users see the Deadman button where the build's form
// builds it enabled.
class Settings : public BaseFrame
{
    Q_OBJECT

public:
    struct Entry {
        const char *button;         // object name of the menu button
        const char *screen;         // the screen it leads to
        BaseFrame::auth_level minLevel;
    };

    explicit Settings(QWidget *parent = nullptr);
    ~Settings() override;

protected:
    void refreshScreen(BaseFrame::auth_level level, bool entered) override;

private slots:
    void on_btnBack_clicked();
    void on_btnDeadman_clicked();

private:
    // Per door build (settings_<build>.cpp): the menu's entries.
    static const QVector<Entry> entries;

    Ui::Settings *ui;
    // The form's entry buttons with the level each needs.
    QVector<QPair<QAbstractButton *, BaseFrame::auth_level>> entryButtons;
};

#endif // SETTINGS_H
