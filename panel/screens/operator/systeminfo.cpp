#include "systeminfo.h"
#include "ui_systeminfo.h"

#include "doorcontrol.h"

Systeminfo::Systeminfo(QWidget *parent)
    : BaseFrame(parent)
    , ui(new Ui::Systeminfo)
{
    ui->setupUi(this);
    setHeaderWidgets(ui->btnUser, ui->btnMessage, ui->lblFire, nullptr);
    hideDisabledChildren();

    // The program's version, the same in every door build, is the project's.
    ui->lblMMIVer->setText(QStringLiteral(PANEL_VERSION));
    ui->lblBuildDate->setText(QLatin1String(buildDate));
}

Systeminfo::~Systeminfo()
{
    delete ui;
}

// The controller's version text is empty while no valid configuration block
// is held.
void Systeminfo::refreshScreen(BaseFrame::auth_level, bool)
{
    const QString version = doorControl ? doorControl->versionText() : QString();
    ui->lblCoreVer->setText(version);
    ui->lblDriveVer->setText(version);
}

void Systeminfo::on_btnBack_clicked()
{
    emit segueBack();
}
