#include "paramscreen.h"
#include "ui_paramscreen.h"

#include "commandcode.h"
#include "doorcontrol.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int FirstRowY = 50;
constexpr int RowPitch = 30;

// A field of the block, read unsigned (one byte, or two little-endian).
qint32 readField(const QByteArray &block, int byte, int width)
{
    if (byte < 0 || byte + width > block.size())
        return 0;
    qint32 value = static_cast<quint8>(block.at(byte));
    if (width == 2)
        value |= static_cast<quint8>(block.at(byte + 1)) << 8;
    return value;
}

// Stores a value in its field.  A value the field cannot hold is pulled to
// the field's nearest limit, never wrapped into another number.
void writeField(QByteArray &block, int byte, int width, qint32 value)
{
    if (byte < 0 || byte + width > block.size())
        return;
    const qint32 stored = qBound<qint32>(0, value, width == 2 ? 0xFFFF : 0xFF);
    block[byte] = static_cast<char>(stored & 0xFF);
    if (width == 2)
        block[byte + 1] = static_cast<char>(stored >> 8);
}

} // namespace

ParamScreen::ParamScreen(const ParamTable &table, const char *context, QWidget *parent)
    : BaseFrame(parent)
    , ui(new Ui::ParamScreen)
    , table(table)
    , buttonGroup(new QButtonGroup(this))
    , hiddenByType(table.rows.size(), false)
{
    ui->setupUi(this);
    ui->lblStatus->setText(QCoreApplication::translate(context, table.title));
    buttonGroup->setObjectName(QStringLiteral("buttonGroup"));

    for (int id = 0; id < table.rows.size(); ++id) {
        const ParamRow &row = table.rows.at(id);
        const ParamField &field = row.field;
        const int y = FirstRowY + RowPitch * field.position;

        auto *caption = new QLabel(QCoreApplication::translate(context, row.captionText()), this);
        caption->setObjectName(QString::fromLatin1(field.captionName));
        caption->setGeometry(10, y, 151, 21);
        caption->setStyleSheet(QStringLiteral("background-color: silver; font-size: 10pt;"));
        caption->setEnabled(row.shown);
        captions.append(caption);

        auto *button = new QPushButton(QStringLiteral("xyz"), this);
        button->setObjectName(QString::fromLatin1(field.buttonName));
        button->setGeometry(160, y, 71, 21);
        button->setStyleSheet(QStringLiteral("color:green; font-size:10pt"));
        button->setEnabled(row.shown);
        buttonGroup->addButton(button, id);

        AdjustParam record;
        record.label = QString::fromUtf8(row.dialogText());
        record.divisor = field.divisor;
        record.min = field.min;
        record.max = field.max;
        std::copy(std::begin(field.step), std::end(field.step), std::begin(record.step));
        records.append(record);
    }
    connect(buttonGroup, &QButtonGroup::idClicked, this, &ParamScreen::onButtonClicked);

    setHeaderWidgets(ui->btnUser, ui->btnMessage, ui->lblFire, nullptr);
    hideDisabledChildren();
    setForLoggedInUsersOnly(); // reached only through the settings menu
}

ParamScreen::~ParamScreen()
{
    delete ui;
}

void ParamScreen::refreshScreen(BaseFrame::auth_level level, bool entered)
{
    if (!doorControl)
        return;

    // The block held may no longer be the controller's: ask until it comes.
    if (entered)
        doorControl->configValid = 0;
    if (!doorControl->configValid)
        emit sendCommand(CmdRequestConfig);

    applyRules(level);

    for (int id = 0; id < records.size(); ++id) {
        const ParamField &field = table.rows.at(id).field;
        records[id].value = readField(doorControl->config, field.byte, field.width);
    }
    for (int id = 0; id < records.size(); ++id)
        buttonGroup->button(id)->setText(formatValue(records.at(id)));
}

// Rows hidden for some controller types, level gates, run-time maxima.
void ParamScreen::applyRules(BaseFrame::auth_level level)
{
    for (int id = 0; id < records.size(); ++id) {
        const ParamRow &row = table.rows.at(id);
        QAbstractButton *button = buttonGroup->button(id);
        if (!hiddenByType.at(id) && ControllerType::anyReportedBy(row.hiddenFor, *doorControl)) {
            hiddenByType[id] = true;
            captions.at(id)->hide();
            button->hide();
        }
        button->setEnabled(row.shown && level >= row.field.level);
    }

    if (table.runTimeMax != RunTimeMax::None) {
        const qint32 max = runTimeMax();
        for (AdjustParam &record : records)
            record.max = max;
    }
}

qint32 ParamScreen::runTimeMax() const
{
    const qint32 word = readField(doorControl->config, table.maxByte, 2);
    if (table.runTimeMax == RunTimeMax::Word)
        return word;
    // The current limits: 1 A less per 100 units of the signed basis, and
    // never below 0, so that no step can make a limit negative.
    const qint32 basis = static_cast<qint16>(word);
    return qMax(0, 1000 * (1 - basis / 100));
}

void ParamScreen::onButtonClicked(int button)
{
    if (!doorControl || button < 0 || button >= records.size())
        return;

    // The dialog edits a copy: refreshes that run while it is open keep
    // their hands off the edit.
    QVector<AdjustParam> edited = records;
    Adjust dialog(&edited[button], this);
    if (dialog.exec() != 1)
        return;
    // Only a block the controller sent whole may go back to it.
    if (!doorControl->configWhole)
        return;

    for (int id = 0; id < edited.size(); ++id) {
        const ParamField &field = table.rows.at(id).field;
        writeField(doorControl->config, field.byte, field.width, edited.at(id).value);
    }
    doorControl->configDirty = 1;
}

void ParamScreen::on_btnBack_clicked()
{
    if (doorControl && doorControl->configDirty && doorControl->configWhole) {
        emit sendConfiguration(doorControl->config);
        doorControl->configValid = 0;
    }
    emit segueBack();
}
