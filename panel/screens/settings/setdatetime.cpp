#include "setdatetime.h"
#include "ui_setdatetime.h"

#include "adjust.h"
#include "panelclock.h"

#include <QButtonGroup>

namespace {

// The fields the screen sets, in the order of its buttons' ids.
enum Field { Day, Month, Year, Hour, Minute, FieldCount };

struct FieldRecord {
    const char *label;
    int min;
    int max;
};

const FieldRecord Fields[FieldCount] = {
    {"Set Day", 1, 31},
    {"Set Month", 1, 12},
    {"Set Year", 1970, 2100},
    {"Set Hour", 0, 23},
    {"Set Minute", 0, 59},
};

} // namespace

SetDateTime::SetDateTime(QWidget *parent)
    : BaseFrame(parent)
    , ui(new Ui::SetDateTime)
{
    ui->setupUi(this);
    setHeaderWidgets(ui->btnUser, ui->btnMessage, ui->lblFire, nullptr);
    hideDisabledChildren();
    setForLoggedInUsersOnly(); // reached only through the settings menu

    ui->buttonGroup->setId(ui->btnSetDay, Day);
    ui->buttonGroup->setId(ui->btnSetMonth, Month);
    ui->buttonGroup->setId(ui->btnSetYear, Year);
    ui->buttonGroup->setId(ui->btnSetHour, Hour);
    ui->buttonGroup->setId(ui->btnSetMinute, Minute);
    connect(ui->buttonGroup, &QButtonGroup::idClicked, this, &SetDateTime::onButtonClicked);
}

SetDateTime::~SetDateTime()
{
    delete ui;
}

void SetDateTime::refreshScreen(BaseFrame::auth_level, bool)
{
    const PanelClock::LocalTime now = PanelClock::localTime();
    ui->lblDate->setText(QDate(now.year, now.month, now.day).toString(QStringLiteral("dd.MM.yyyy")));
    ui->lblTime->setText(QTime(now.hour, now.minute, now.second).toString(QStringLiteral("hh:mm:ss")));
}

// One press sets one field.  The other date and time fields are those of
// the moment of the press, the seconds those of the moment of Enter.  The
// clock refuses a day the month does not have; nothing is reported then.
void SetDateTime::onButtonClicked(int button)
{
    if (button < 0 || button >= FieldCount)
        return;

    const PanelClock::LocalTime pressed = PanelClock::localTime();
    const int current[FieldCount] = {pressed.day, pressed.month, pressed.year, pressed.hour, pressed.minute};
    AdjustParam records[FieldCount];
    for (int field = 0; field < FieldCount; ++field) {
        AdjustParam &record = records[field];
        record.label = QLatin1String(Fields[field].label);
        record.min = Fields[field].min;
        record.max = Fields[field].max;
        record.step[0] = 10;
        record.step[1] = 1;
        record.step[2] = -1;
        record.step[3] = -10;
        record.value = record.spare = current[field];
    }

    Adjust dialog(&records[button], this);
    if (dialog.exec() != 1)
        return;

    PanelClock::LocalTime time = PanelClock::localTime();
    time.day = records[Day].value;
    time.month = records[Month].value;
    time.year = records[Year].value;
    time.hour = records[Hour].value;
    time.minute = records[Minute].value;
    PanelClock::setLocalTime(time);
}

void SetDateTime::on_btnBack_clicked()
{
    emit segueBack();
}
