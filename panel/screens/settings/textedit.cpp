#include "textedit.h"
#include "ui_textedit.h"

#include <QButtonGroup>

Textedit::Textedit(const QString &initial, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::Textedit)
{
    ui->setupUi(this);
    connect(ui->buttonGroup, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked),
            this, &Textedit::onButtonClicked);
    ui->lblValue->setText(initial);

    // Modal before it first shows, so that exec() blocks the screen behind.
    setModal(true);
    showFullScreen();
}

Textedit::~Textedit()
{
    delete ui;
}

QString Textedit::text() const
{
    return ui->lblValue->text();
}

void Textedit::on_btnBack_clicked()
{
    done(0);
}

void Textedit::on_btnEnter_clicked()
{
    done(1);
}

// The keys bear capitals; without "Capitals" a letter goes in small.
void Textedit::onButtonClicked(QAbstractButton *key)
{
    append(ui->btnCaps->isChecked() ? key->text() : key->text().toLower());
}

void Textedit::on_btnDelete_clicked()
{
    QString value = text();
    value.chop(1);
    ui->lblValue->setText(value);
}

void Textedit::on_btnSpace_clicked()
{
    append(QStringLiteral(" "));
}

void Textedit::append(const QString &characters)
{
    ui->lblValue->setText(text() + characters);
}
