#include "user.h"
#include "ui_user.h"

#include "panelsettings.h"
#include "passcodes.h"
#include "password.h"
#include "screennames.h"

User::User(QWidget *parent)
    : BaseFrame(parent)
    , ui(new Ui::User)
{
    ui->setupUi(this);
    setHeaderWidgets(ui->btnUser, ui->btnMessage, ui->lblFire, ui->lblPirate);
    hideDisabledChildren();
}

User::~User()
{
    delete ui;
}

void User::refreshScreen(BaseFrame::auth_level level, bool entered)
{
    if (entered) {
        const PanelSettings settings;
        servicePasscode = settings.servicePasscode(Passcodes::serviceDefault());
    }

    const bool loggedIn = level > LevelStandard;
    ui->btnLogout->setVisible(loggedIn);
    ui->btnSettings->setVisible(loggedIn);
    ui->btnService->setVisible(loggedIn);
    ui->btnChangePWD0->setVisible(level == LevelService);
    ui->btnResetPWD0->setVisible(level >= LevelEngineer);

    const QString name = levelName(level);
    ui->lblUser->setText(name.isEmpty() ? QStringLiteral("Standard user") : name);
}

// The digits typed on the keypad as a number; nothing when the entry is
// empty ("Enter" at once, or "<-- back"), which never matches a passcode.
std::optional<int> User::askPasscode()
{
    Password dialog(this);
    dialog.exec();
    if (dialog.enteredDigits.isEmpty())
        return std::nullopt;
    return dialog.enteredDigits.toInt(nullptr, 10);
}

// A login that fails, or is left with "<-- back", logs out.
void User::login(int passcode, BaseFrame::auth_level level)
{
    const std::optional<int> entered = askPasscode();
    emit newAuthLevel(entered == passcode ? level : LevelStandard);
}

void User::storeServicePasscode(int passcode)
{
    servicePasscode = passcode;
    PanelSettings settings;
    settings.setServicePasscode(servicePasscode);
    settings.sync();
}

void User::on_btnPWD0_clicked()
{
    login(servicePasscode, LevelService);
}

void User::on_btnPWD1_clicked()
{
    login(Passcodes::engineer(), LevelEngineer);
}

void User::on_btnPWD2_clicked()
{
    login(Passcodes::admin(), LevelAdmin);
}

// Whatever is typed becomes the new Service passcode; an empty entry changes nothing.
void User::on_btnChangePWD0_clicked()
{
    if (const std::optional<int> entered = askPasscode())
        storeServicePasscode(*entered);
}

void User::on_btnResetPWD0_clicked()
{
    storeServicePasscode(Passcodes::serviceDefault());
}

void User::on_btnLogout_clicked()
{
    on_btnUser_clicked();
}

void User::on_btnService_clicked()
{
    emit segue(ScreenName::Service, false);
}

void User::on_btnSettings_clicked()
{
    emit segue(ScreenName::Settings, false);
}

void User::on_btnBack_clicked()
{
    emit segueBack();
}
