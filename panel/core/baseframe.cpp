#include "baseframe.h"

#include "commandcode.h"
#include "doorcontrol.h"
#include "looks.h"
#include "panelsettings.h"
#include "screennames.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

BaseFrame::BaseFrame(QWidget *parent)
    : QWidget(parent)
{
}

QString BaseFrame::levelName(BaseFrame::auth_level level)
{
    switch (level) {
    case LevelService:  return QStringLiteral("Service");
    case LevelEngineer: return QStringLiteral("Engineer");
    case LevelAdmin:    return QStringLiteral("Admin");
    default:            return {};
    }
}

void BaseFrame::setHeaderWidgets(QPushButton *btnUser, QPushButton *btnMessage, QLabel *lblFire, QLabel *lblPirate)
{
    this->btnUser = btnUser;
    this->btnMessage = btnMessage;
    this->lblFire = lblFire;
    this->lblPirate = lblPirate;
    for (QWidget *widget : {static_cast<QWidget *>(btnUser), static_cast<QWidget *>(btnMessage),
                            static_cast<QWidget *>(lblFire), static_cast<QWidget *>(lblPirate)}) {
        if (widget)
            Looks::paintOpaquely(widget);
    }
}

void BaseFrame::setLogoWidgets(QLabel *lblLogo, QLabel *lblShipsname, QLabel *lblDoorname)
{
    this->lblLogo = lblLogo;
    this->lblShipsname = lblShipsname;
    this->lblDoorname = lblDoorname;
}

void BaseFrame::setLogo(const QPixmap &logo)
{
    if (lblLogo)
        lblLogo->setPixmap(logo);
}

void BaseFrame::setStatusLabel(QLabel *lblStatus)
{
    this->lblStatus = lblStatus;
}

// Features a build lacks are built disabled in its forms: they never show.
void BaseFrame::hideDisabledChildren()
{
    const auto children = findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *child : children) {
        if (!child->isEnabled())
            child->hide();
    }
}

void BaseFrame::setShown(QWidget *widget, bool on)
{
    widget->setVisible(on && widget->isEnabled());
}

void BaseFrame::refresh(BaseFrame::auth_level level, bool entered)
{
    if (loggedInUsersOnly && level == LevelStandard) {
        emit segueBack();
        return;
    }
    if (btnUser)
        btnUser->setVisible(level > LevelStandard);
    if (btnMessage && doorControl)
        btnMessage->setVisible(doorControl->eventsSeen == 0);
    if (btnUser && level > LevelStandard)
        btnUser->setText(levelName(level));
    if (doorControl) {
        refreshAlarmLabels();
        refreshStatusLine();
    }
    if (entered)
        refreshLogo();
    refreshScreen(level, entered);
}

void BaseFrame::refreshStatusLine()
{
    if (!lblStatus)
        return;
    const bool referenceFlag = doorControl->infoBit(InfoBit::Reference);
    if (!referenceFlag) {
        const QString error = doorControl->errorText();
        if (!error.isEmpty()) {
            showStatus(error, Looks::Error);
            return;
        }
        const QString warning = doorControl->warningText();
        if (!warning.isEmpty()) {
            showStatus(warning, Looks::Warning);
            return;
        }
    }
    const QString status = doorControl->statusText();
    if (status.isEmpty())
        return;
    showStatus(status, status == QLatin1String("Seaworthy") ? Looks::Seaworthy : Looks::Status);
}

// The status label is rewritten only when its text changes, and its look
// only when that differs too.
void BaseFrame::showStatus(const QString &text, const QString &look)
{
    if (lblStatus->text() == text)
        return;
    lblStatus->setText(text);
    Looks::show(lblStatus, look);
}

void BaseFrame::refreshLogo()
{
    const PanelSettings settings;
    const int layout = settings.layout();
    if (lblShipsname) {
        lblShipsname->setText(settings.shipsName());
        lblShipsname->setVisible(layout == PanelSettings::TextLayout);
    }
    if (lblDoorname)
        lblDoorname->setText(settings.doorName());
    if (lblLogo)
        lblLogo->setVisible(layout == PanelSettings::LogoLayout);
}

void BaseFrame::blink(bool state)
{
    if (btnMessage && btnMessage->isVisibleTo(this))
        Looks::show(btnMessage, state ? Looks::MessageTextShown : Looks::MessageTextGone);
    if (lblFire && lblFire->isVisibleTo(this))
        Looks::show(lblFire, state ? Looks::FireTextShown : Looks::FireTextGone);
    blinkScreen(state);
}

void BaseFrame::refreshScreen(BaseFrame::auth_level, bool)
{
}

void BaseFrame::blinkScreen(bool)
{
}

void BaseFrame::on_btnMessage_clicked()
{
    if (objectName() != QLatin1String(ScreenName::EventLog))
        emit segue(ScreenName::EventLog, false);
}

void BaseFrame::on_btnUser_clicked()
{
    emit newAuthLevel(LevelStandard);
}

void BaseFrame::switchControlOnOff()
{
    emit sendCommand(CmdOnOff);
}
