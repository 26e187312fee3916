#include "password.h"
#include "ui_password.h"

#include <QButtonGroup>
#include <QPushButton>

Password::Password(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::Password)
{
    ui->setupUi(this);

    // Each digit key's id is its digit.
    QPushButton *const digitKeys[] = {ui->btn0, ui->btn1, ui->btn2, ui->btn3, ui->btn4,
                                      ui->btn5, ui->btn6, ui->btn7, ui->btn8, ui->btn9};
    for (int digit = 0; digit < 10; ++digit)
        ui->buttonGroup->setId(digitKeys[digit], digit);
    connect(ui->buttonGroup, &QButtonGroup::idClicked, this, &Password::onPassButtonClicked);

    // Modal before it first shows: a dialog that is already visible when
    // exec() runs would not block the screen behind it.
    setModal(true);
    showFullScreen();
}

Password::~Password()
{
    delete ui;
}

void Password::onPassButtonClicked(int button)
{
    if (enteredDigits.size() < MaxDigits)
        enteredDigits.append(QChar('0' + button));
    ui->passLabel->setText(QString(enteredDigits.size(), QLatin1Char('*')));
}

void Password::on_btnEnter_clicked()
{
    close();
}

void Password::on_btnBack_clicked()
{
    enteredDigits.clear();
    close();
}
