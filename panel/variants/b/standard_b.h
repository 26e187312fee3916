#ifndef STANDARD_B_H
#define STANDARD_B_H

#include "baseframe.h"

namespace Ui {
class Standard;
}

// Build B's home screen: header and status line, three mode buttons (normal,
// permanent open, exit only), the "Open" button held to open the door and
// the sealing button.  Builds A and C have the main door screen of
// standard.h; this one differs from it in kind.
//
// The door's state decides what may be chosen.  Locked: every button struck
// through.  Fire: only the normal mode stands, blinking red, and is asked
// for.  Security system: exit only, blinking, and the sealing button shows.
// Otherwise the reported mode is lit and the screen asks for the normal mode
// unless exactly one mode is reported.  The exit-only mode can be chosen only
// when the controller's configuration allows it.
class Standard : public BaseFrame
{
    Q_OBJECT

public:
    explicit Standard(QWidget *parent = nullptr);
    ~Standard() override;

protected:
    void refreshScreen(BaseFrame::auth_level level, bool entered) override;
    void blinkScreen(bool state) override;

private slots:
    void on_btnUtilities_clicked();
    void on_btnSealing_clicked();

private:
    void showLockedState();
    void showFireState();
    void showSecurityState();
    void showNormalState();
    void applySealingRule();

    Ui::Standard *ui;
    bool sealingBlink = false;
    bool mode1Blink = false;
    bool mode4Blink = false;
};

#endif // STANDARD_B_H
