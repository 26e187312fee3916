#include "standard.h"
#include "ui_standard.h"

#include "commandcode.h"
#include "doorcontrol.h"
#include "panelsettings.h"
#include "screennames.h"

namespace {

const QString LampOn = QStringLiteral("background-color: lime;");

constexpr int ModeCount = 7;
constexpr int FallbackMode = 1;

// The group-0 bit that reports each mode; mode 7 is reported by bit 0.
int modeBit(int mode)
{
    return mode == 7 ? 0 : mode;
}

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

    ui->modeButtons->setId(ui->btnMode1, 1);
    ui->modeButtons->setId(ui->btnMode2, 2);
    ui->modeButtons->setId(ui->btnMode3, 3);
    ui->modeButtons->setId(ui->btnMode4, 4);
    ui->modeButtons->setId(ui->btnMode5, 5);
    ui->modeButtons->setId(ui->btnMode6, 6);
    ui->modeButtons->setId(ui->btnMode7, 7);
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
    int activeModes = 0;
    for (int mode = 1; mode <= ModeCount; ++mode) {
        const bool active = doorControl->isGroupIoActive(0, modeBit(mode));
        QAbstractButton *button = ui->modeButtons->button(mode);
        setStyleSheetIfChanged(button, active ? LampOn : QString());
        if (active)
            ++activeModes;
    }
    // Without a valid block no lamp can be judged: the rule waits for it,
    // so that it neither pushes the configuration request out nor overrides
    // the operator's mode on no information.
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
