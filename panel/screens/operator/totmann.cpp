#include "totmann.h"
#include "ui_totmann.h"

Totmann::Totmann(QWidget *parent)
    : BaseFrame(parent)
    , ui(new Ui::Totmann)
{
    ui->setupUi(this);
    hideDisabledChildren();
}

Totmann::~Totmann()
{
    delete ui;
}
