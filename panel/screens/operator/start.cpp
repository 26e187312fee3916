#include "start.h"
#include "ui_start.h"
#include "screennames.h"

Start::Start(QWidget *parent)
    : BaseFrame(parent)
    , ui(new Ui::Start)
{
    ui->setupUi(this);
    setLogoWidgets(ui->lblLogo, nullptr, ui->lblDoorname);
    hideDisabledChildren();
}

Start::~Start()
{
    delete ui;
}

// From the start screen the button leads to the main door screen; on the
// screensaver it returns to the screen that was showing.
void Start::on_pushButton_clicked()
{
    if (objectName() == QLatin1String(ScreenName::Start))
        emit segue(ScreenName::Standard);
    else
        emit segueBack();
}
