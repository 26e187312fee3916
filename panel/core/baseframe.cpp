#include "baseframe.h"

#include "commandcode.h"
#include "doorcontrol.h"
#include "panelsettings.h"
#include "screennames.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace {

const QString HighlightFragment = QStringLiteral("; background-color: lime");

const QString ErrorStyle = QStringLiteral("background-color: red; font-weight: bold; color: white; font-size:10pt");
const QString WarningStyle = QStringLiteral("background-color: yellow; font-size:10pt");
const QString StatusStyle = QStringLiteral("background-color: %1; font-size:10pt");

} // namespace

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

void BaseFrame::setStyleSheetIfChanged(QWidget *widget, const QString &styleSheet)
{
    if (widget->styleSheet() != styleSheet)
        widget->setStyleSheet(styleSheet);
}

void BaseFrame::setStyleFlag(QWidget *widget, const QString &fragment, bool on)
{
    QString style = widget->styleSheet();
    if (on == style.contains(fragment))
        return;
    if (on)
        style.append(fragment);
    else
        style.remove(fragment);
    widget->setStyleSheet(style);
}

void BaseFrame::setHighlighted(QWidget *widget, bool on)
{
    setStyleFlag(widget, HighlightFragment, on);
}

void BaseFrame::refresh(BaseFrame::auth_level level, bool entered)
{
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
    const bool referenceFlag = doorControl->infoBit(2, 0);
    if (!referenceFlag) {
        const QString error = doorControl->errorText();
        if (!error.isEmpty()) {
            showStatus(error, ErrorStyle);
            return;
        }
        const QString warning = doorControl->warningText();
        if (!warning.isEmpty()) {
            showStatus(warning, WarningStyle);
            return;
        }
    }
    const QString status = doorControl->statusText();
    if (status.isEmpty())
        return;
    const bool seaworthy = status == QLatin1String("Seaworthy");
    showStatus(status, StatusStyle.arg(seaworthy ? QStringLiteral("blue; font-weight: bold; color: white")
                                                 : QStringLiteral("silver")));
}

// The status label is rewritten only when its text changes, and its style
// sheet only when that differs too.
void BaseFrame::showStatus(const QString &text, const QString &styleSheet)
{
    if (lblStatus->text() == text)
        return;
    lblStatus->setText(text);
    setStyleSheetIfChanged(lblStatus, styleSheet);
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
    if (btnMessage && btnMessage->isVisibleTo(this)) {
        setStyleSheetIfChanged(btnMessage, QStringLiteral("background-color: yellow; font-weight: bold; ")
                                               + (state ? QString() : QStringLiteral("color: yellow")));
    }
    if (lblFire && lblFire->isVisibleTo(this)) {
        setStyleSheetIfChanged(lblFire, QStringLiteral("background-color: red; font-size: 10pt; font-weight: bold; color: ")
                                            + (state ? QStringLiteral("white") : QStringLiteral("red")));
    }
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
