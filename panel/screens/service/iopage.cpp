#include "iopage.h"
#include "ui_iopage.h"

#include "doorcontrol.h"
#include "looks.h"
#include "panelsettings.h"

#include <QCoreApplication>
#include <QLabel>

IoPage::IoPage(const IoPageTable &table, const char *context, QWidget *parent)
    : BaseFrame(parent)
    , ui(new Ui::IoPage)
    , table(table)
    , indicators{}
    , names{}
{
    ui->setupUi(this);
    setHeaderWidgets(ui->btnUser, ui->btnMessage, ui->lblFire, nullptr);

    QLabel *const numbers[RowCount] = {ui->lblStatus_3, ui->lblStatus_5, ui->lblStatus_7, ui->lblStatus_12,
                                       ui->lblStatus_10, ui->lblStatus_9, ui->lblStatus_18, ui->lblStatus_16,
                                       ui->lblStatus_15, ui->lblStatus_21};
    QLabel *const rowNames[RowCount] = {ui->lblStatus_4, ui->lblStatus_6, ui->lblStatus_8, ui->lblStatus_13,
                                        ui->lblStatus_11, ui->lblStatus_14, ui->lblStatus_19, ui->lblStatus_17,
                                        ui->lblStatus_20, ui->lblStatus_22};
    QLabel *const rowIndicators[RowCount] = {ui->lbl0, ui->lbl1, ui->lbl2, ui->lbl3, ui->lbl4,
                                             ui->lbl5, ui->lbl6, ui->lbl7, ui->lbl8, ui->lbl9};

    const auto translated = [context](const QByteArray &text) {
        return QCoreApplication::translate(context, text.constData());
    };
    ui->lblStatus->setText(translated(table.title));
    for (int row = 0; row < RowCount; ++row) {
        indicators[row] = rowIndicators[row];
        names[row] = rowNames[row];
        numbers[row]->setText(translated(table.numbers + QByteArray::number(row + 1)));
        const bool used = row < table.rows.size();
        if (used && table.rows[row].name)
            rowNames[row]->setText(translated(table.rows[row].name));
        const bool shown = used && table.rows[row].shown;
        for (QLabel *label : {rowIndicators[row], numbers[row], rowNames[row]})
            label->setEnabled(shown);
    }
    ui->btnPrev->setEnabled(table.previous.shown);
    ui->btnNext->setEnabled(table.next.shown);

    hideDisabledChildren();
}

IoPage::~IoPage()
{
    delete ui;
}

bool IoPage::rowActive(const IoRow &row) const
{
    for (const IoBit &io : row.litBy) {
        const bool active = io.group == IoBit::MainWord ? doorControl->isIoActive(io.bit)
                                                        : doorControl->isGroupIoActive(io.group, io.bit);
        if (active)
            return true;
    }
    return false;
}

void IoPage::refreshScreen(BaseFrame::auth_level, bool entered)
{
    if (entered && table.nextNeedsExtension)
        ui->btnNext->setVisible(ui->btnNext->isEnabled() && !PanelSettings().noExtension());
    if (!doorControl)
        return;

    // Once a record asks for it, the row keeps its other name.  The name is
    // code's own text, as the status texts are: it is not translated.
    const IoRelabel &relabel = table.relabel;
    if (relabel.row < RowCount && relabel.appliesTo(*doorControl))
        names[relabel.row]->setText(QString::fromUtf8(relabel.name));

    for (int row = 0; row < table.rows.size() && row < RowCount; ++row) {
        if (!table.rows[row].litBy.isEmpty())
            Looks::setHighlighted(indicators[row], rowActive(table.rows[row]));
    }
}

void IoPage::on_btnBack_clicked()
{
    emit segueBack();
}

void IoPage::on_btnPrev_clicked()
{
    if (table.previous.target)
        emit segue(QString::fromLatin1(table.previous.target), true);
}

void IoPage::on_btnNext_clicked()
{
    if (table.next.target)
        emit segue(QString::fromLatin1(table.next.target), true);
}
