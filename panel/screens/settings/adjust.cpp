#include "adjust.h"
#include "ui_adjust.h"

#include "arrowglyphs.h"

#include <QButtonGroup>
#include <QPushButton>

QString formatValue(const AdjustParam &param)
{
    if (param.divisor <= 1) // every record divides by at least 1: the raw value itself
        return QString::number(param.value);
    return QString::number(static_cast<double>(param.value) / param.divisor, 'g', 6);
}

Adjust::Adjust(AdjustParam *param, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::Adjust)
    , param(param)
{
    ui->setupUi(this);

    ui->buttonGroup->setId(ui->btn10p, 0);
    ui->buttonGroup->setId(ui->btn1p, 1);
    ui->buttonGroup->setId(ui->btn1n, 2);
    ui->buttonGroup->setId(ui->btn10n, 3);
    ArrowGlyphs::setArrows(ui->btn10p, ArrowGlyphs::Up, 2);
    ArrowGlyphs::setArrows(ui->btn1p, ArrowGlyphs::Up, 1);
    ArrowGlyphs::setArrows(ui->btn1n, ArrowGlyphs::Down, 1);
    ArrowGlyphs::setArrows(ui->btn10n, ArrowGlyphs::Down, 2);
    connect(ui->buttonGroup, &QButtonGroup::idClicked, this, &Adjust::onAdjustButtonClicked);

    ui->lblDescription->setText(param->label);
    ui->lblValue->setText(formatValue(*param));

    // Modal before it first shows, so that exec() blocks the screen behind it.
    setModal(true);
    showFullScreen();
}

Adjust::~Adjust()
{
    delete ui;
}

void Adjust::on_btnBack_clicked()
{
    done(0);
}

void Adjust::on_btnEnter_clicked()
{
    done(changed ? 1 : 0);
}

// Steps, then pulls the value into its limits: the minimum first, then the
// maximum, so that a maximum below the minimum wins.
void Adjust::onAdjustButtonClicked(int button)
{
    qint64 value = param->value;
    if (button >= 0 && button < 4)
        value += param->step[button];
    if (value < param->min)
        value = param->min;
    if (param->max < value)
        value = param->max;
    param->value = static_cast<qint32>(value);
    changed = true;
    ui->lblValue->setText(formatValue(*param));
}
