#include "standard.h"
#include "ui_standard.h"

#include "commandcode.h"
#include "doorcontrol.h"
#include "operatingmode.h"
#include "screennames.h"

namespace {

const QString LampOn = QStringLiteral("background-color: lime;");

constexpr int FallbackMode = 1;

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
    for (const OperatingMode &mode : operatingModes()) {
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

    int activeModes = 0;
    for (const OperatingMode &mode : operatingModes()) {
        const bool active = doorControl->isGroupIoActive(0, mode.lampBit);
        QAbstractButton *button = ui->modeButtons->button(mode.id);
        const QString style = active ? LampOn : QString();
        if (button && button->styleSheet() != style)
            button->setStyleSheet(style);
        if (active)
            ++activeModes;
    }
    // Without a configuration block every bit reads inactive: the modes
    // cannot be judged, so nothing is asked until the block is held.
    if (doorControl->configValid && activeModes != 1)
        emit changeMode(FallbackMode);

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
