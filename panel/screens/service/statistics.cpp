#include "statistics.h"
#include "ui_statistics.h"

#include "commandcode.h"
#include "doorcontrol.h"

Statistics::Statistics(QWidget *parent)
    : BaseFrame(parent)
    , ui(new Ui::Statistics)
{
    ui->setupUi(this);
    setHeaderWidgets(ui->btnUser, ui->btnMessage, ui->lblFire, nullptr);
    hideDisabledChildren();
}

Statistics::~Statistics()
{
    delete ui;
}

void Statistics::refreshScreen(BaseFrame::auth_level level, bool entered)
{
    ui->btnReset->setVisible(level > LevelService);
    if (!doorControl)
        return;
    if (entered)
        doorControl->countersValid = 0;
    // Nothing marks the counters valid: every refresh asks again, so the
    // values stay live while the screen shows.
    if (!doorControl->countersValid)
        emit sendCommand(CmdRequestCounters);
    // The controller's counters are unsigned, though kept as signed words.
    ui->lblUptime->setText(QString::number(static_cast<quint32>(doorControl->uptime)));
    ui->lblServiceTime->setText(QString::number(static_cast<quint32>(doorControl->serviceTime)));
}

void Statistics::on_btnReset_clicked()
{
    emit sendCommand(CmdResetService);
    ui->lblServiceTime->setText(QStringLiteral("0"));
}

void Statistics::on_btnBack_clicked()
{
    emit segueBack();
}
