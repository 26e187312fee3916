#include "settings.h"
#include "ui_settings.h"

#include "commandcode.h"
#include "doorcontrol.h"
#include "looks.h"

#include <QAbstractButton>

Settings::Settings(QWidget *parent)
    : BaseFrame(parent)
    , ui(new Ui::Settings)
{
    ui->setupUi(this);
    setHeaderWidgets(ui->btnUser, ui->btnMessage, ui->lblFire, nullptr);
    hideDisabledChildren();
    setForLoggedInUsersOnly();

    for (const Entry &entry : entries) {
        auto *button = findChild<QAbstractButton *>(QLatin1String(entry.button));
        if (!button) {
            qWarning("Settings: the form has no button %s", entry.button);
            continue;
        }
        const QString screen = QLatin1String(entry.screen);
        connect(button, &QAbstractButton::clicked, this, [this, screen] { emit segue(screen, false); });
        entryButtons.append({button, entry.minLevel});
    }
}

Settings::~Settings()
{
    delete ui;
}

void Settings::refreshScreen(BaseFrame::auth_level level, bool)
{
    for (const auto &entry : qAsConst(entryButtons))
        setShown(entry.first, level >= entry.second);
    setShown(ui->btnDeadman, level >= LevelService);
    if (doorControl)
        Looks::setHighlighted(ui->btnDeadman, doorControl->infoBit(InfoBit::HoldToRun));
}

void Settings::on_btnBack_clicked()
{
    emit segueBack();
}

void Settings::on_btnDeadman_clicked()
{
    emit sendCommand(CmdDeadman);
}
