#ifndef UTILITIES_H
#define UTILITIES_H

#include "baseframe.h"
#include "longpress.h"

namespace Ui {
class Utilities;
}

// The utilities menu: messages, system information, Settings and Service,
// the controller's On/Off and Reference commands, backlight, and at Admin
// level program exit and device restart.  A long press on the title opens
// the login screen.
class Utilities : public BaseFrame
{
    Q_OBJECT

public:
    explicit Utilities(QWidget *parent = nullptr);
    ~Utilities() override;

protected:
    void refreshScreen(BaseFrame::auth_level level, bool entered) override;

private slots:
    void on_btnMessage2_clicked();
    void on_btnService_clicked();
    void on_btnSettings_clicked();
    void on_btnSystemInfo_clicked();
    void on_btnVekInfo_clicked();
    void on_btnLogout_clicked();
    void on_btnReference_clicked();
    void on_btnBrightDown_clicked();
    void on_btnBrightUp_clicked();
    void on_btnExit_clicked();
    void on_btnReboot_clicked();
    void on_btnLogin_pressed();
    void on_btnLogin_released();
    void on_btnBack_clicked();

private:
    Ui::Utilities *ui;
    LongPress pressTime;
};

#endif // UTILITIES_H
