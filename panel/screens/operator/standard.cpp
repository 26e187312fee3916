#include "standard.h"
#include "ui_standard.h"

Standard::Standard(QWidget *parent)
    : BaseFrame(parent)
    , ui(new Ui::Standard)
{
    ui->setupUi(this);
    hideDisabledChildren();
}

Standard::~Standard()
{
    delete ui;
}
