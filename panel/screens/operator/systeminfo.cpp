#include "systeminfo.h"
#include "ui_systeminfo.h"

Systeminfo::Systeminfo(QWidget *parent)
    : BaseFrame(parent)
    , ui(new Ui::Systeminfo)
{
    ui->setupUi(this);
    hideDisabledChildren();
}

Systeminfo::~Systeminfo()
{
    delete ui;
}
