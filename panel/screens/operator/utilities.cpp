#include "utilities.h"
#include "ui_utilities.h"

#include "commandcode.h"
#include "doorcontrol.h"
#include "looks.h"
#include "panelutilities.h"
#include "screennames.h"

#include <QBrush>
#include <QColor>
#include <QCoreApplication>
#include <QPalette>

namespace {

constexpr int BacklightLow = 40;
constexpr int BacklightHigh = 100;

} // namespace

Utilities::Utilities(QWidget *parent)
    : BaseFrame(parent)
    , ui(new Ui::Utilities)
{
    ui->setupUi(this);
    setHeaderWidgets(ui->btnUser, ui->btnMessage, ui->lblFire, ui->lblPirate);
    setLogoWidgets(ui->lblLogo, ui->lblShipsname, nullptr);
    hideDisabledChildren();
    connect(ui->btnShutdown, &QPushButton::clicked, this, &BaseFrame::switchControlOnOff);

    // The login button lies over the title and must not be seen.
    const QBrush transparent(QColor(Qt::transparent), Qt::SolidPattern);
    QPalette palette;
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Button, QPalette::Light,
                                     QPalette::Dark, QPalette::Mid, QPalette::Text,
                                     QPalette::BrightText, QPalette::Base, QPalette::Window}) {
        palette.setBrush(role, transparent);
    }
    ui->btnLogin->setPalette(palette);
}

Utilities::~Utilities()
{
    delete ui;
}

void Utilities::refreshScreen(BaseFrame::auth_level level, bool)
{
    const bool loggedIn = level >= LevelService;
    ui->btnLogout->setVisible(loggedIn);
    ui->btnSettings->setVisible(loggedIn);
    ui->btnShutdown->setVisible(loggedIn);
    ui->btnReference->setVisible(loggedIn);
    ui->btnService->setVisible(loggedIn);

    const bool admin = level >= LevelAdmin;
    ui->btnExit->setVisible(admin);
    ui->btnReboot->setVisible(admin);

    if (doorControl) {
        const bool controlOff = doorControl->infoBit(InfoBit::ControlOff);
        const bool referenced = doorControl->infoBit(InfoBit::Reference);
        Looks::setHighlighted(ui->btnShutdown, !controlOff);
        Looks::setHighlighted(ui->btnReference, referenced);
    }
}

void Utilities::on_btnMessage2_clicked()
{
    emit segue(ScreenName::EventLog, false);
}

void Utilities::on_btnService_clicked()
{
    emit segue(ScreenName::Service, false);
}

void Utilities::on_btnSettings_clicked()
{
    emit segue(ScreenName::Settings, false);
}

void Utilities::on_btnSystemInfo_clicked()
{
    emit segue(ScreenName::SystemInfo, false);
}

void Utilities::on_btnVekInfo_clicked()
{
    emit segue(ScreenName::VekInfo, false);
}

void Utilities::on_btnLogout_clicked()
{
    on_btnUser_clicked();
}

void Utilities::on_btnReference_clicked()
{
    emit sendCommand(CmdReference);
}

void Utilities::on_btnBrightDown_clicked()
{
    PanelUtilities::setBacklight(BacklightLow);
}

void Utilities::on_btnBrightUp_clicked()
{
    PanelUtilities::setBacklight(BacklightHigh);
}

void Utilities::on_btnExit_clicked()
{
    QCoreApplication::quit();
}

void Utilities::on_btnReboot_clicked()
{
    PanelUtilities::restartDevice();
}

void Utilities::on_btnLogin_pressed()
{
    pressTime.press();
}

// A tap on the title does nothing; a press of 1500 ms or more opens the
// login screen when the finger lifts.
void Utilities::on_btnLogin_released()
{
    if (pressTime.isLongOnRelease())
        emit segue(ScreenName::User, false);
}

void Utilities::on_btnBack_clicked()
{
    emit segueBack();
}
