#include "vekinfo.h"
#include "ui_vekinfo.h"

Vekinfo::Vekinfo(QWidget *parent)
    : BaseFrame(parent)
    , ui(new Ui::Vekinfo)
{
    ui->setupUi(this);
    hideDisabledChildren();
}

Vekinfo::~Vekinfo()
{
    delete ui;
}
