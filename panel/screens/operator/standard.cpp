#include "standard.h"
#include "ui_standard.h"

#include "commandcode.h"
#include "doorcontrol.h"
#include "looks.h"
#include "operatingmode.h"
#include "panelsettings.h"
#include "screennames.h"

namespace {

// A mode button's whole sheet while its mode is active.
const QString LampOn = Looks::Lit + QLatin1Char(';');

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

    for (const OperatingMode &mode : OperatingMode::all()) {
        auto *button = findChild<QAbstractButton *>(QStringLiteral("btnMode%1").arg(mode.id));
        if (!button)
            continue;
        ui->modeButtons->setId(button, mode.id);
        if (mode.hiddenByNoModes2to6)
            noModes2to6Buttons.append(button);
    }
    connect(ui->modeButtons, &QButtonGroup::idClicked, this, &BaseFrame::changeMode);
    setUpOwnButtons();
}

Standard::~Standard()
{
    delete ui;
}

void Standard::refreshScreen(BaseFrame::auth_level, bool entered)
{
    if (!doorControl)
        return;

    if (entered && !noModes2to6Buttons.isEmpty()) {
        const bool noModes = PanelSettings().noModes2to6();
        for (QAbstractButton *button : qAsConst(noModes2to6Buttons))
            setShown(button, !noModes);
    }

    // The lamps, and a request for mode 1 unless exactly one mode is reported.
    for (const OperatingMode &mode : OperatingMode::all()) {
        const bool active = doorControl->isGroupIoActive(0, mode.lampBit);
        if (QAbstractButton *button = ui->modeButtons->button(mode.id))
            Looks::show(button, active ? LampOn : QString());
    }
    if (OperatingModes::needsFallback(*doorControl))
        emit changeMode(OperatingModes::Fallback);

    ui->btnHoming->setVisible(doorControl->infoBit(InfoBit::Reference));
}

void Standard::on_btnUtilities_clicked()
{
    emit segue(ScreenName::Utilities, false);
}

void Standard::on_btnHoming_clicked()
{
    emit sendCommand(CmdOnOff);
}
