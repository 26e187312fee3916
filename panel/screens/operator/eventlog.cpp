#include "eventlog.h"
#include "ui_eventlog.h"

#include "arrowglyphs.h"
#include "doorcontrol.h"

#include <QScrollBar>

namespace {

const QString TimePattern = QStringLiteral("--- dd.MM.yyyy hh:mm:ss:");

// Every event takes two rows: its time and its text.
constexpr int RowsPerEvent = 2;

} // namespace

Eventlog::Eventlog(QWidget *parent)
    : BaseFrame(parent)
    , ui(new Ui::Eventlog)
{
    ui->setupUi(this);
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
