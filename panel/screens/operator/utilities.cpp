#include "utilities.h"
#include "ui_utilities.h"

Utilities::Utilities(QWidget *parent)
    : BaseFrame(parent)
    , ui(new Ui::Utilities)
{
    ui->setupUi(this);
    hideDisabledChildren();
}

Utilities::~Utilities()
{
    delete ui;
}
