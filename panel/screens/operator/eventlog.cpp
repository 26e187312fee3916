#include "eventlog.h"
#include "ui_eventlog.h"

Eventlog::Eventlog(QWidget *parent)
    : BaseFrame(parent)
    , ui(new Ui::Eventlog)
{
    ui->setupUi(this);
    hideDisabledChildren();
}

Eventlog::~Eventlog()
{
    delete ui;
}
