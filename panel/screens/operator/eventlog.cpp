#include "eventlog.h"
#include "ui_eventlog.h"

#include "arrowglyphs.h"
#include "doorcontrol.h"

#include <QPalette>
#include <QScrollBar>

namespace {

const QString TimePattern = QStringLiteral("--- dd.MM.yyyy hh:mm:ss:");

// Every event takes two rows: its time and its text.
constexpr int RowsPerEvent = 2;
constexpr int MaxRows = DoorControl::MaxEvents * RowsPerEvent;

} // namespace

Eventlog::Eventlog(QWidget *parent)
    : BaseFrame(parent)
    , ui(new Ui::Eventlog)
{
    ui->setupUi(this);
    // The log repaints its rows with every event, so it is kept cheap: rows
    // all have one height, so an insert does not measure every row, and the
    // white-on-black comes from the palette rather than a style sheet, which
    // would make every row's paint several times dearer.
    ui->listWidget->setUniformItemSizes(true);
    // Its frame's shades are black too: a style-sheet background hid it.
    QPalette palette = ui->listWidget->palette();
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Window, QPalette::Light, QPalette::Midlight,
                                     QPalette::Mid, QPalette::Dark, QPalette::Shadow})
        palette.setColor(role, Qt::black);
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::white);
    ui->listWidget->setPalette(palette);
    setHeaderWidgets(ui->btnUser, ui->btnMessage, ui->lblFire, nullptr);
    hideDisabledChildren();
    ArrowGlyphs::setArrows(ui->btnFirstLine, ArrowGlyphs::Up, 2);
    ArrowGlyphs::setArrows(ui->btnLineUp, ArrowGlyphs::Up, 1);
    ArrowGlyphs::setArrows(ui->btnLineDown, ArrowGlyphs::Down, 1);
    ArrowGlyphs::setArrows(ui->btnLastLine, ArrowGlyphs::Down, 2);
}

Eventlog::~Eventlog()
{
    delete ui;
}

void Eventlog::refreshScreen(BaseFrame::auth_level level, bool)
{
    if (!doorControl)
        return;

    if (!doorControl->events.isEmpty()) {
        const QList<LogEvent> taken = doorControl->takeEvents();
        for (const LogEvent &event : taken) {
            ui->listWidget->insertItem(0, event.text);
            ui->listWidget->insertItem(0, event.time.toString(TimePattern));
        }
        // The oldest events go first.
        const int rows = ui->listWidget->count();
        if (rows > MaxRows)
            ui->listWidget->model()->removeRows(MaxRows, rows - MaxRows);
    }

    if (level > LevelStandard)
        doorControl->eventsSeen = 1;
}

// The list scrolls per item, so the scroll bar counts rows.
void Eventlog::scrollRows(int rows)
{
    QScrollBar *bar = ui->listWidget->verticalScrollBar();
    bar->setValue(bar->value() + rows);
}

void Eventlog::on_btnFirstLine_clicked()
{
    ui->listWidget->scrollToTop();
}

void Eventlog::on_btnLastLine_clicked()
{
    ui->listWidget->scrollToBottom();
}

void Eventlog::on_btnLineUp_clicked()
{
    scrollRows(-RowsPerEvent);
}

void Eventlog::on_btnLineDown_clicked()
{
    scrollRows(RowsPerEvent);
}

void Eventlog::on_btnBack_clicked()
{
    emit segueBack();
}
