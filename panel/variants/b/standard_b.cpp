#include "standard_b.h"
#include "ui_standard_b.h"

#include "commandcode.h"
#include "doorcontrol.h"
#include "holdtoopen.h"
#include "looks.h"
#include "operatingmode.h"
#include "screennames.h"

namespace {

// The screen's looks: a button struck through, the exit-only mode lit, and
// the blinking buttons, their text in the colour given and at every other
// step in their background's.  Lit is the lit look with black text, the
// sealing button's bright phase.
const QString Struck = QStringLiteral("background-color: #343434; text-decoration: line-through; color: black;");
const QString ExitOnlyLit = QStringLiteral("background-color: yellow;");
const QString Plain;

const QString SealingBlink = Looks::Lit + QStringLiteral("; color: %1;");
const QString Mode1Blink = QStringLiteral("background-color: red; color: %1;");
const QString Mode4Blink = QStringLiteral("background-color: fuchsia; color: %1; font-weight: bold;");

const QString Lit = SealingBlink.arg(QStringLiteral("black"));

const QString ExitOnlyText = QStringLiteral("Pushbutton\nEXIT ONLY");
const QString SecurityText = QStringLiteral("Exit Only\nSecurity\nSystem");
const QString SealingText = QStringLiteral("Sealing");
const QString ExternSealingText = QStringLiteral("Extern\nSealing");

constexpr int NormalMode = 1;
constexpr int PermanentOpenMode = 2;

void setLook(QAbstractButton *button, const QString &look, bool enabled)
{
    Looks::show(button, look);
    button->setEnabled(enabled);
}

void setText(QAbstractButton *button, const QString &text)
{
    if (button->text() != text)
        button->setText(text);
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
    connect(ui->modeButtons, &QButtonGroup::idClicked, this, &BaseFrame::changeMode);
    HoldToOpen::attach(ui->btnOpen, this);

    // Shown only in the security-system state.
    ui->btnSealing->setVisible(false);
}

Standard::~Standard()
{
    delete ui;
}

void Standard::refreshScreen(BaseFrame::auth_level, bool)
{
    if (!doorControl)
        return;

    // The door runs on hold-to-run: that screen takes over.
    if (doorControl->infoBit(InfoBit::HoldToRun)) {
        emit segue(ScreenName::Totmann, true);
        return;
    }

    if (doorControl->infoBit(InfoBit::ControlOff))
        showLockedState();
    else if (doorControl->isIoActive(MainIo::Fire))
        showFireState();
    else if (doorControl->isIoActive(MainIo::SecuritySystem))
        showSecurityState();
    else
        showNormalState();
}

void Standard::showLockedState()
{
    setLook(ui->btnMode1, Struck, false);
    setLook(ui->btnMode2, Struck, false);
    setLook(ui->btnMode3, Struck, false);
    setText(ui->btnMode4, ExitOnlyText);
    setLook(ui->btnMode4, Struck, false);
    ui->btnOpen->show();
    setLook(ui->btnOpen, Struck, false);
    setText(ui->btnSealing, SealingText);
    setLook(ui->btnSealing, Struck, false);
    sealingBlink = mode1Blink = mode4Blink = false;
}

// Only the normal mode stands, blinking, and is asked for until reported.
void Standard::showFireState()
{
    ui->btnMode1->setEnabled(false);
    mode1Blink = true;
    setLook(ui->btnMode2, Struck, false);
    setLook(ui->btnMode3, Struck, false);
    setText(ui->btnMode4, ExitOnlyText);
    setLook(ui->btnMode4, Struck, false);
    mode4Blink = false;
    ui->btnOpen->hide();
    setText(ui->btnSealing, SealingText);
    setLook(ui->btnSealing, Struck, false);
    sealingBlink = false;
    if (!OperatingModes::isReported(*doorControl, NormalMode))
        emit changeMode(NormalMode);
}

// Exit only, blinking; the sealing button shows while sealing is external.
void Standard::showSecurityState()
{
    setLook(ui->btnMode1, Struck, false);
    mode1Blink = false;
    setLook(ui->btnMode2, Struck, false);
    setLook(ui->btnMode3, Struck, false);
    setText(ui->btnMode4, SecurityText);
    ui->btnMode4->setEnabled(false);
    mode4Blink = true;
    ui->btnOpen->hide();

    applySealingRule();
    const bool externSealing = doorControl->isGroupIoActive(GroupIo::ExternSealing);
    ui->btnSealing->setVisible(externSealing);
    ui->btnSealing->setEnabled(!externSealing);
    setText(ui->btnSealing, externSealing ? ExternSealingText : SealingText);

    if (OperatingModes::isReported(*doorControl, PermanentOpenMode))
        emit changeMode(NormalMode);
}

void Standard::showNormalState()
{
    setLook(ui->btnMode1, OperatingModes::isReported(*doorControl, 1) ? Lit : Plain, true);
    mode1Blink = false;

    const bool externSealing = doorControl->isGroupIoActive(GroupIo::ExternSealing);
    if (externSealing) {
        setLook(ui->btnMode2, Struck, false);
        if (OperatingModes::isReported(*doorControl, PermanentOpenMode))
            emit changeMode(NormalMode);
    } else {
        setLook(ui->btnMode2, OperatingModes::isReported(*doorControl, 2) ? Lit : Plain, true);
    }

    setLook(ui->btnMode3, OperatingModes::isReported(*doorControl, 3) ? Lit : Plain, true);

    setText(ui->btnMode4, ExitOnlyText);
    if (doorControl->configBit(ConfigBit::ExitOnlyOffered))
        setLook(ui->btnMode4, OperatingModes::isReported(*doorControl, 4) ? ExitOnlyLit : Plain, true);
    else
        setLook(ui->btnMode4, Struck, false);
    mode4Blink = false;

    if (OperatingModes::needsFallback(*doorControl))
        emit changeMode(OperatingModes::Fallback);

    // A finger still holding "Open" keeps it lit.
    ui->btnOpen->show();
    setLook(ui->btnOpen, Plain, true);
    Looks::setHighlighted(ui->btnOpen, ui->btnOpen->isDown());

    if (OperatingModes::isReported(*doorControl, PermanentOpenMode)) {
        setText(ui->btnSealing, SealingText);
        setLook(ui->btnSealing, Struck, false);
        sealingBlink = false;
        return;
    }
    applySealingRule();
    ui->btnSealing->setEnabled(!externSealing);
    setText(ui->btnSealing, externSealing ? ExternSealingText : SealingText);
}

// While the sealing request and the sealed input disagree the button shows
// the request (lit while the controller seals); once they agree it blinks.
void Standard::applySealingRule()
{
    if (doorControl->isGroupIoActive(GroupIo::SealingRequest) != doorControl->isIoActive(MainIo::Seaworthy)) {
        Looks::show(ui->btnSealing, doorControl->infoBit(InfoBit::Sealing) ? Lit : Plain);
        sealingBlink = false;
    } else {
        sealingBlink = true;
    }
}

void Standard::blinkScreen(bool state)
{
    if (sealingBlink)
        Looks::show(ui->btnSealing, SealingBlink.arg(state ? QStringLiteral("black") : Looks::LitColour));
    if (mode1Blink)
        Looks::show(ui->btnMode1, Mode1Blink.arg(state ? QStringLiteral("white") : QStringLiteral("red")));
    if (mode4Blink)
        Looks::show(ui->btnMode4, Mode4Blink.arg(state ? QStringLiteral("white") : QStringLiteral("fuchsia")));
}

void Standard::on_btnUtilities_clicked()
{
    emit segue(ScreenName::Utilities, false);
}

void Standard::on_btnSealing_clicked()
{
    emit sendCommand(CmdSealing);
}
