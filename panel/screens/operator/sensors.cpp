#include "sensors.h"
#include "ui_sensors.h"

Sensors::Sensors(QWidget *parent)
    : BaseFrame(parent)
    , ui(new Ui::Sensors)
{
    ui->setupUi(this);
    hideDisabledChildren();
}

Sensors::~Sensors()
{
    delete ui;
}
