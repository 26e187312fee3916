#include "standard.h"
#include "ui_standard.h"

#include "commandcode.h"
#include "doorcontrol.h"
#include "operatingmode.h"
#include "panelsettings.h"
#include "screennames.h"

namespace {

const QString LampOn = QStringLiteral("background-color: lime;");

} // namespace

Standard::Standard(QWidget *parent)
    : BaseFrame(parent)
    , ui(new Ui::Standard)
{
    ui->setupUi(this);
    setHeaderWidgets(ui->btnUser, ui->btnMessage, ui->lblFire, ui->lblPirate);
    setLogoWidgets(ui->lblLogo, ui->lblShipsname, nullptr);
    setStatusLabel(ui->lblStatus);
    hideDisabledChildren();

    for (const OperatingMode &mode : OperatingMode::all())
        ui->modeButtons->setId(findChild<QAbstractButton *>(QStringLiteral("btnMode%1").arg(mode.id)), mode.id);
    connect(ui->modeButtons, &QButtonGroup::idClicked, this, &BaseFrame::changeMode);
}

Standard::~Standard()
{
    delete ui;
}

void Standard::refreshScreen(BaseFrame::auth_level, bool entered)
{
    if (!doorControl)
        return;

    if (entered) {
        const bool noModes = PanelSettings().noModes2to6();
        ui->btnMode2->setVisible(!noModes);
        ui->btnMode6->setVisible(!noModes);
        ui->btnMode7->setVisible(!noModes);
    }

    // The lamps, and a request for mode 1 unless exactly one mode is reported.
    for (const OperatingMode &mode : OperatingMode::all()) {
        const bool active = doorControl->isGroupIoActive(0, mode.lampBit);
        setStyleSheetIfChanged(ui->modeButtons->button(mode.id), active ? LampOn : QString());
    }
    if (OperatingModes::needsFallback(*doorControl))
        emit changeMode(OperatingModes::Fallback);

    ui->btnHoming->setVisible(doorControl->infoBit(2, 0));
}

void Standard::on_btnUtilities_clicked()
{
    emit segue(ScreenName::Utilities, false);
}

void Standard::on_btnHoming_clicked()
{
    emit sendCommand(CmdOnOff);
}
