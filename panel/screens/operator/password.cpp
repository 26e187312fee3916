#include "password.h"
#include "ui_password.h"

Password::Password(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::Password)
{
    ui->setupUi(this);
}

Password::~Password()
{
    delete ui;
}
