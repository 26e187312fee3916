#ifndef USER_H
#define USER_H

#include "baseframe.h"

#include <optional>

namespace Ui {
class User;
}

// The login screen: Service, Engineer and Admin logins through the passcode
// keypad, and the change and reset of the Service passcode.
class User : public BaseFrame
{
    Q_OBJECT

public:
    explicit User(QWidget *parent = nullptr);
    ~User() override;

protected:
    void refreshScreen(BaseFrame::auth_level level, bool entered) override;

private slots:
    void on_btnPWD0_clicked();
    void on_btnPWD1_clicked();
    void on_btnPWD2_clicked();
    void on_btnChangePWD0_clicked();
    void on_btnResetPWD0_clicked();
    void on_btnLogout_clicked();
    void on_btnService_clicked();
    void on_btnSettings_clicked();
    void on_btnBack_clicked();

private:
    void login(int passcode, BaseFrame::auth_level level);
    // Runs the keypad and returns what was typed as a number; 0 for nothing.
    std::optional<int> askPasscode();
    void storeServicePasscode(int passcode);

    Ui::User *ui;
    int servicePasscode = 0;
};

#endif // USER_H
