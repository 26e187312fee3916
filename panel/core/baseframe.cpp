#include "baseframe.h"

#include "commandcode.h"
#include "doorcontrol.h"
#include "panelsettings.h"
#include "screennames.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QStyle>
#include <QPixmap>
#include <QPushButton>
#include <QHash>

namespace {

const QString HighlightFragment = QStringLiteral("; background-color: lime");

const QString ErrorStyle = QStringLiteral("background-color: red; font-weight: bold; color: white; font-size:10pt");
const QString WarningStyle = QStringLiteral("background-color: yellow; font-size:10pt");
const QString StatusStyle = QStringLiteral("background-color: %1; font-size:10pt");
// Made once: a refresh runs after every frame.
const QString SilverStatusStyle = StatusStyle.arg(QStringLiteral("silver"));
const QString SeaworthyStatusStyle = StatusStyle.arg(QStringLiteral("blue; font-weight: bold; color: white"));

// What showStyleSheet() keeps of a widget: the sheet shown, the sheet set
// for it, and the palettes of the sheets it has shown.  (Kept beside the
// widget rather than as its properties: a property is looked up by name
// among the class's own first, which costs more than the rest of a refresh.)
struct SheetState
{
    QString shown;
    QString set;
    QHash<QString, QPalette> palettes;
};

QHash<const QWidget *, SheetState> &sheetStates()
{
    static QHash<const QWidget *, SheetState> states;
    return states;
}

const SheetState *sheetStateOf(const QWidget *widget)
{
    const auto &states = sheetStates();
    const auto found = states.constFind(widget);
    return found == states.constEnd() ? nullptr : &found.value();
}

SheetState &sheetStateFor(QWidget *widget)
{
    auto &states = sheetStates();
    auto found = states.find(widget);
    if (found == states.end()) {
        found = states.insert(widget, SheetState());
        QObject::connect(widget, &QObject::destroyed, [widget] { sheetStates().remove(widget); });
    }
    return found.value();
}

// Push buttons and labels paint their background and text from the palette
// as their style sheet sets it (a label's background filled as the widget's
// own); other widgets only their text.
bool paintsBackgroundFromPalette(const QWidget *widget)
{
    return qobject_cast<const QPushButton *>(widget) || qobject_cast<const QLabel *>(widget);
}

bool inPalette(const QWidget *widget, const QString &property)
{
    return property == QLatin1String("color")
           || (property == QLatin1String("background-color") && paintsBackgroundFromPalette(widget));
}

bool hasBackground(const QWidget *widget, const QString &styleSheet)
{
    return paintsBackgroundFromPalette(widget) && styleSheet.contains(QLatin1String("background-color"));
}

// The sheet without the declarations the palette carries; false when the
// sheet is not a plain list of declarations with plain values.
bool sheetWithoutColours(const QWidget *widget, const QString &styleSheet, QString *rest)
{
    if (styleSheet.contains(QLatin1Char('{')) || styleSheet.contains(QLatin1Char('(')))
        return false;
    QStringList kept;
    const auto declarations = styleSheet.splitRef(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QStringRef &declaration : declarations) {
        const QStringRef trimmed = declaration.trimmed();
        if (trimmed.isEmpty())
            continue;
        if (!inPalette(widget, trimmed.left(trimmed.indexOf(QLatin1Char(':'))).trimmed().toString().toLower()))
            kept << trimmed.toString();
    }
    *rest = kept.join(QStringLiteral("; "));
    return true;
}

// The sheet's palette and background, off the widget.
void dropSheetPalette(QWidget *widget)
{
    widget->setPalette(QPalette());
    if (qobject_cast<QLabel *>(widget))
        widget->setAutoFillBackground(false);
}

// The palette a sheet gives the widget, learnt the first time by setting it.
QPalette paletteOf(QWidget *widget, const QString &styleSheet)
{
    QHash<QString, QPalette> &palettes = sheetStateFor(widget).palettes;
    const auto known = palettes.constFind(styleSheet);
    if (known != palettes.constEnd())
        return known.value();
    dropSheetPalette(widget);
    widget->setStyleSheet(styleSheet);
    widget->ensurePolished();
    QPalette palette = widget->palette();
    // A plain background also gives the shades of a button's bevel and of a
    // label's frame, as the sheet paints them.
    const QBrush background = palette.brush(QPalette::Active, QPalette::Window);
    if (hasBackground(widget, styleSheet) && background.style() == Qt::SolidPattern) {
        const QColor colour = background.color();
        palette.setBrush(QPalette::Light, colour.lighter(115));
        palette.setBrush(QPalette::Midlight, colour.lighter(107));
        palette.setBrush(QPalette::Dark, colour.darker(150));
        palette.setBrush(QPalette::Shadow, colour.darker(300));
    }
    palettes.insert(styleSheet, palette);
    return palette;
}

// A widget that paints all of its rectangle is painted on its own: the
// widgets behind it are not painted again when it changes.  In the panel's
// style ("Windows") a push button paints its bevel over all of it, unless its
// sheet gives it borders of its own, which may leave corners open; a label
// that fills its background with an opaque colour counts as opaque by itself.
void paintOpaquely(QWidget *widget, const QString &styleSheet)
{
    if (qobject_cast<QPushButton *>(widget)) {
        const bool bevelCoversIt = QApplication::style()->objectName().compare(QLatin1String("windows"), Qt::CaseInsensitive) == 0;
        widget->setAttribute(Qt::WA_OpaquePaintEvent, bevelCoversIt && !styleSheet.contains(QLatin1String("border")));
    }
}

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
    for (QWidget *widget : {static_cast<QWidget *>(btnUser), static_cast<QWidget *>(btnMessage),
                            static_cast<QWidget *>(lblFire), static_cast<QWidget *>(lblPirate)}) {
        if (widget)
            paintOpaquely(widget, widget->styleSheet());
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
    if (lblStatus)
        paintOpaquely(lblStatus, lblStatus->styleSheet());
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

QString BaseFrame::shownStyleSheet(const QWidget *widget)
{
    const SheetState *state = sheetStateOf(widget);
    if (state && state->set == widget->styleSheet())
        return state->shown;
    return widget->styleSheet();
}

void BaseFrame::showStyleSheet(QWidget *widget, const QString &styleSheet)
{
    if (shownStyleSheet(widget) == styleSheet)
        return;
    const bool palettesSet = sheetStateOf(widget) != nullptr;
    QString rest;
    if (sheetWithoutColours(widget, styleSheet, &rest)) {
        const QPalette palette = paletteOf(widget, styleSheet);
        if (widget->styleSheet() != rest)
            widget->setStyleSheet(rest);
        widget->setPalette(palette);
        if (qobject_cast<QLabel *>(widget))
            widget->setAutoFillBackground(hasBackground(widget, styleSheet));
    } else {
        if (palettesSet)
            dropSheetPalette(widget);
        widget->setStyleSheet(styleSheet);
        rest = styleSheet;
    }
    SheetState &state = sheetStateFor(widget);
    state.set = rest;
    state.shown = styleSheet;
    paintOpaquely(widget, styleSheet);
}

void BaseFrame::setStyleSheetIfChanged(QWidget *widget, const QString &styleSheet)
{
    showStyleSheet(widget, styleSheet);
}

void BaseFrame::setStyleFlag(QWidget *widget, const QString &fragment, bool on)
{
    QString style = shownStyleSheet(widget);
    if (on == style.contains(fragment))
        return;
    if (on)
        style.append(fragment);
    else
        style.remove(fragment);
    showStyleSheet(widget, style);
}

void BaseFrame::setHighlighted(QWidget *widget, bool on)
{
    setStyleFlag(widget, HighlightFragment, on);
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
    showStatus(status, status == QLatin1String("Seaworthy") ? SeaworthyStatusStyle : SilverStatusStyle);
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
