#include "sensors.h"
#include "ui_sensors.h"

#include "commandcode.h"
#include "doorcontrol.h"
#include "looks.h"

Sensors::Sensors(QWidget *parent)
    : BaseFrame(parent)
    , ui(new Ui::Sensors)
{
    ui->setupUi(this);
    setHeaderWidgets(ui->btnUser, ui->btnMessage, ui->lblFire, nullptr);
    hideDisabledChildren();
    setForLoggedInUsersOnly(); // reached only through the settings menu
}

Sensors::~Sensors()
{
    delete ui;
}

void Sensors::refreshScreen(BaseFrame::auth_level, bool)
{
    if (!doorControl)
        return;
    QPushButton *const buttons[] = {ui->btnSensor1, ui->btnSensor2, ui->btnSensor3, ui->btnSensor4};
    for (int bit = 0; bit < 4; ++bit)
        Looks::setHighlighted(buttons[bit], !doorControl->infoBit(InfoBit::sensorOff(bit)));
}

void Sensors::on_btnSensor1_clicked()
{
    emit sendCommand(CmdSensor1);
}

void Sensors::on_btnSensor2_clicked()
{
    emit sendCommand(CmdSensor2);
}

void Sensors::on_btnSensor3_clicked()
{
    emit sendCommand(CmdSensor3);
}

void Sensors::on_btnSensor4_clicked()
{
    emit sendCommand(CmdSensor4);
}

void Sensors::on_btnBack_clicked()
{
    emit segueBack();
}
