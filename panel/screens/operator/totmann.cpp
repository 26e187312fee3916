#include "totmann.h"
#include "ui_totmann.h"

#include "doorcontrol.h"
#include "looks.h"
#include "screennames.h"

Totmann::Totmann(QWidget *parent)
    : BaseFrame(parent)
    , ui(new Ui::Totmann)
{
    ui->setupUi(this);
    setHeaderWidgets(ui->btnUser, ui->btnMessage, ui->lblFire, ui->lblPirate);
    setLogoWidgets(ui->lblLogo, ui->lblShipsname, nullptr);
    setStatusLabel(ui->lblStatus);
    hideDisabledChildren();
}

Totmann::~Totmann()
{
    delete ui;
}

void Totmann::refreshScreen(BaseFrame::auth_level, bool)
{
    if (!doorControl)
        return;

    if (doorControl->infoBit(InfoBit::HoldToRun)) {
        Looks::setHighlighted(ui->lblOpen, !doorControl->isIoActive(MainIo::DoorClosed));
        Looks::setHighlighted(ui->lblSeaworthy, doorControl->isIoActive(MainIo::DeflateSeal));
    } else {
        emit segue(ScreenName::Standard, true);
    }
}

void Totmann::on_btnUtilities_pressed()
{
    pressTime.press();
}

void Totmann::on_btnUtilities_clicked()
{
    emit segue(pressTime.isLongOnRelease() ? QString(ScreenName::User) : QString(ScreenName::Utilities), false);
}
