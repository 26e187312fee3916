#include "vekinfo.h"
#include "ui_vekinfo.h"

Vekinfo::Vekinfo(QWidget *parent)
    : BaseFrame(parent)
    , ui(new Ui::Vekinfo)
{
    ui->setupUi(this);
    setHeaderWidgets(ui->btnUser, ui->btnMessage, ui->lblFire, nullptr);
    hideDisabledChildren();
}

Vekinfo::~Vekinfo()
{
    delete ui;
}

void Vekinfo::on_btnBack_clicked()
{
    emit segueBack();
}
