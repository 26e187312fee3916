#include "user.h"
#include "ui_user.h"

User::User(QWidget *parent)
    : BaseFrame(parent)
    , ui(new Ui::User)
{
    ui->setupUi(this);
    hideDisabledChildren();
}

User::~User()
{
    delete ui;
}
