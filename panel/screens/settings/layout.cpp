#include "layout.h"
#include "ui_layout.h"

#include "looks.h"
#include "textedit.h"

#include <QAbstractButton>
#include <QButtonGroup>

Layout::Layout(QWidget *parent)
    : BaseFrame(parent)
    , ui(new Ui::Layout)
    , switchOn(switches.size(), false)
{
    ui->setupUi(this);
    setHeaderWidgets(ui->btnUser, ui->btnMessage, ui->lblFire, nullptr);
    setLogoWidgets(ui->lblLogo, ui->lblShipsname, ui->lblDoorname);
    hideDisabledChildren();
    setForLoggedInUsersOnly(); // reached only through the settings menu

    ui->buttonGroup->setId(ui->btnDisabled, PanelSettings::NoLogoNoText);
    ui->buttonGroup->setId(ui->btnLogo, PanelSettings::LogoLayout);
    ui->buttonGroup->setId(ui->btnText, PanelSettings::TextLayout);
    connect(ui->buttonGroup, &QButtonGroup::idClicked, this, &Layout::onButtonClicked);

    // A switch only flips its choice; its mark follows at the next refresh.
    for (int i = 0; i < switches.size(); ++i) {
        auto *button = findChild<QAbstractButton *>(QLatin1String(switches[i].button));
        if (!button)
            qWarning("Layout: the form has no button %s", switches[i].button);
        else
            connect(button, &QAbstractButton::clicked, this, [this, i] { switchOn[i] = !switchOn[i]; });
        switchButtons.append(button);
    }
}

Layout::~Layout()
{
    delete ui;
}

// The header refresh has put the stored names into the previews already.
void Layout::refreshScreen(BaseFrame::auth_level level, bool entered)
{
    if (entered) {
        const PanelSettings settings;
        applyLayout(settings.layout());
        for (int i = 0; i < switches.size(); ++i)
            switchOn[i] = (settings.*switches[i].read)();
    }
    for (int i = 0; i < switches.size(); ++i) {
        if (QAbstractButton *button = switchButtons[i]) {
            setShown(button, level >= switches[i].minLevel);
            Looks::setHighlighted(button, switchOn[i]);
        }
    }
}

// Every choice is written on every back, changed or not.
void Layout::on_btnBack_clicked()
{
    PanelSettings settings;
    settings.setShipsName(ui->lblShipsname->text());
    settings.setDoorName(ui->lblDoorname->text());
    settings.setLayout(headerLayout);
    for (int i = 0; i < switches.size(); ++i)
        (settings.*switches[i].write)(switchOn[i]);
    // The screen returned to reads the file as it is entered.
    settings.sync();
    emit segueBack();
}

void Layout::on_btnDoorname_clicked()
{
    editName(ui->lblDoorname);
}

void Layout::onButtonClicked(int button)
{
    applyLayout(button);
}

void Layout::on_btnShipsname_clicked()
{
    editName(ui->lblShipsname);
}

// A stored value outside the three layouts lights no button and shows
// neither logo nor ship's name; it is kept as it is.
void Layout::applyLayout(int value)
{
    headerLayout = value;
    ui->lblLogo->setVisible(headerLayout == PanelSettings::LogoLayout);
    ui->lblShipsname->setVisible(headerLayout == PanelSettings::TextLayout);
    ui->btnShipsname->setVisible(headerLayout == PanelSettings::TextLayout);
    Looks::setHighlighted(ui->btnDisabled, headerLayout == PanelSettings::NoLogoNoText);
    Looks::setHighlighted(ui->btnLogo, headerLayout == PanelSettings::LogoLayout);
    Looks::setHighlighted(ui->btnText, headerLayout == PanelSettings::TextLayout);
}

// The name changes only when the keyboard is left with Enter, even to an
// empty text; it is saved by back.
void Layout::editName(QLabel *name)
{
    Textedit keyboard(name->text(), this);
    if (keyboard.exec() == 1)
        name->setText(keyboard.text());
}
