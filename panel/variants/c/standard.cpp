#include "standard.h"
#include "ui_standard.h"

#include "commandcode.h"
#include "doorcontrol.h"
#include "operatingmode.h"
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

    // The mode buttons are built disabled, so they never show; they keep
    // their lamps for whoever enables them in the form.
    for (const OperatingMode &mode : OperatingMode::all()) {
        if (auto *button = findChild<QAbstractButton *>(QStringLiteral("btnMode%1").arg(mode.id)))
            ui->modeButtons->setId(button, mode.id);
    }
    connect(ui->modeButtons, &QButtonGroup::idClicked, this, &BaseFrame::changeMode);
}

Standard::~Standard()
{
    delete ui;
}

void Standard::refreshScreen(BaseFrame::auth_level, bool)
{
    if (!doorControl)
        return;

    for (const OperatingMode &mode : OperatingMode::all()) {
        const bool active = doorControl->isGroupIoActive(0, mode.lampBit);
        if (QAbstractButton *button = ui->modeButtons->button(mode.id))
            setStyleSheetIfChanged(button, active ? LampOn : QString());
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
