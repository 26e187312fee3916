#include "service.h"
#include "ui_service.h"

#include "doorcontrol.h"
#include "looks.h"
#include "screennames.h"

Service::Service(QWidget *parent)
    : BaseFrame(parent)
    , ui(new Ui::Service)
{
    ui->setupUi(this);
    setHeaderWidgets(ui->btnUser, ui->btnMessage, ui->lblFire, nullptr);
    hideDisabledChildren();
    connect(ui->btnShutdown, &QPushButton::clicked, this, &BaseFrame::switchControlOnOff);
}

Service::~Service()
{
    delete ui;
}

void Service::refreshScreen(BaseFrame::auth_level level, bool)
{
    const bool loggedIn = level > LevelStandard;
    ui->btnShutdown->setVisible(loggedIn);
    ui->btnIO->setVisible(loggedIn);
    ui->btnStatistics->setVisible(loggedIn);
    if (doorControl)
        Looks::setHighlighted(ui->btnShutdown, !doorControl->infoBit(InfoBit::ControlOff));
}

void Service::on_btnIO_clicked()
{
    emit segue(QString::fromLatin1(ScreenName::IoMenu), false);
}

void Service::on_btnStatistics_clicked()
{
    emit segue(QString::fromLatin1(ScreenName::Statistics), false);
}

void Service::on_btnBack_clicked()
{
    emit segueBack();
}
