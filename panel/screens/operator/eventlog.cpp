#include "eventlog.h"
#include "ui_eventlog.h"

#include "arrowglyphs.h"
#include "doorcontrol.h"

#include <QAbstractListModel>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QScrollBar>

namespace {

const QString TimePattern = QStringLiteral("--- dd.MM.yyyy hh:mm:ss:");

// Every event takes two rows: its time and its text.
constexpr int RowsPerEvent = 2;

} // namespace

// The log's rows: the events the log has taken, newest first, each as its
// time row and its text row, at most DoorControl::MaxEvents of them.  The
// events are kept as the door-state object hands them over, oldest first, so
// that taking a thousand of them costs no more than taking one.
class EventRowsModel : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : RowsPerEvent * events.size();
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || role != Qt::DisplayRole)
            return {};
        const LogEvent &event = events.at(events.size() - 1 - index.row() / RowsPerEvent);
        if (index.row() % RowsPerEvent)
            return event.text;
        return event.time.toString(TimePattern);
    }

    // Puts the events (oldest first) on top in one go, then lets the oldest
    // go past the cap.
    void add(QList<LogEvent> taken)
    {
        if (taken.size() > DoorControl::MaxEvents)
            taken.erase(taken.begin(), taken.end() - DoorControl::MaxEvents);
        if (taken.isEmpty())
            return;
        beginInsertRows(QModelIndex(), 0, RowsPerEvent * taken.size() - 1);
        if (events.isEmpty())
            events.swap(taken);
        else
            events.append(taken);
        endInsertRows();
        if (events.size() > DoorControl::MaxEvents) {
            beginRemoveRows(QModelIndex(), RowsPerEvent * DoorControl::MaxEvents, rowCount() - 1);
            events.erase(events.begin(), events.end() - DoorControl::MaxEvents);
            endRemoveRows();
        }
    }

private:
    QList<LogEvent> events; // oldest first
};

Eventlog::Eventlog(QWidget *parent)
    : BaseFrame(parent)
    , ui(new Ui::Eventlog)
    , rows(new EventRowsModel(this))
{
    ui->setupUi(this);
    ui->listWidget->setModel(rows);
    // The white-on-black comes from the palette rather than a style sheet,
    // which would make every row's paint several times dearer.  Its frame's
    // shades are black too: a style-sheet background hid it.
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

    if (!doorControl->events.isEmpty())
        rows->add(doorControl->takeEvents());

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

// -- the log's list ------------------------------------------------------------

EventRows::EventRows(QWidget *parent)
    : QListView(parent)
{
}

int EventRows::rowCount() const
{
    return model() ? model()->rowCount() : 0;
}

// As a list view with uniform item sizes: the size hint of its last row.
int EventRows::rowHeight() const
{
    const int rows = rowCount();
    if (!itemSize.isValid() && rows > 0) {
        const QModelIndex sample = model()->index(rows - 1, 0);
        itemSize = itemDelegate(sample)->sizeHint(viewOptions(), sample);
    }
    return itemSize.isValid() ? itemSize.height() : 0;
}

int EventRows::rowsInView() const
{
    const int height = rowHeight();
    return height > 0 ? qMax(1, viewport()->height() / height) : 1;
}

// The item view lays out again from a timer after rows come or go (and when
// it is shown or resized); here that only sets the scroll bars, and repaints
// unless what changed has been repainted already.
void EventRows::doItemsLayout()
{
    const QSize before = itemSize;
    if (rowCount() == 0)
        itemSize = QSize();
    rowHeight();
    updateGeometries();
    if (!onlyRowsMoved || itemSize != before)
        viewport()->update();
    onlyRowsMoved = false;
}

// Where rows from `start` on lie in the viewport, when the view shows that
// place; -1 otherwise.  Either way, what the next layout follows is then
// repainted here already.
int EventRows::shownFrom(int start)
{
    const int height = rowHeight();
    if (height <= 0)
        return -1;
    onlyRowsMoved = true;
    const int top = start * height - verticalOffset();
    if (top >= viewport()->height() || !isVisible())
        return -1;
    return qMax(0, top);
}

// Rows put in above the view's bottom move what it shows down: that is moved
// as it is, and only the new rows' place is painted.
void EventRows::rowsInserted(const QModelIndex &parent, int start, int end)
{
    QListView::rowsInserted(parent, start, end);
    const int top = shownFrom(start);
    if (top >= 0) {
        const QRect moved(0, top, viewport()->width(), viewport()->height() - top);
        viewport()->scroll(0, (end - start + 1) * rowHeight(), moved);
    }
}

// Rows taken out of what the view shows: what is below them moves up.
void EventRows::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    QListView::rowsAboutToBeRemoved(parent, start, end);
    const int top = shownFrom(start);
    if (top >= 0)
        viewport()->update(QRect(0, top, viewport()->width(), viewport()->height() - top));
}

void EventRows::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        itemSize = QSize();
    QListView::changeEvent(event);
}

// A row is as wide as the viewport, or as the last row's text where that is
// wider; the list view paints it no wider than the viewport.
QRect EventRows::visualRect(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != model() || index.row() >= rowCount())
        return {};
    const int height = rowHeight();
    return QRect(0, index.row() * height - verticalOffset(), qMax(itemSize.width(), viewport()->width()), height);
}

QModelIndex EventRows::indexAt(const QPoint &point) const
{
    const int height = rowHeight();
    const int y = point.y() + verticalOffset();
    if (height <= 0 || y < 0 || y / height >= rowCount())
        return {};
    const QModelIndex index = model()->index(y / height, 0);
    return visualRect(index).contains(point) ? index : QModelIndex();
}

int EventRows::horizontalOffset() const
{
    return 0;
}

// The scroll bar counts rows.
int EventRows::verticalOffset() const
{
    const int value = verticalScrollBar()->value();
    return value <= rowCount() ? value * rowHeight() : 0;
}

// As the list view sets its bars when it scrolls a row a step: the vertical
// one a step a row and a page the rows that fit whole, so that its last step
// shows the last row whole (a list that fits has a page of all its rows and
// its end); the horizontal one still, a page the viewport's width.
void EventRows::updateGeometries()
{
    const int rows = rowCount();
    const int height = rowHeight();
    if (geometry().isEmpty() || rows <= 0 || height <= 0) {
        horizontalScrollBar()->setRange(0, 0);
        verticalScrollBar()->setRange(0, 0);
    } else {
        horizontalScrollBar()->setPageStep(viewport()->width());
        horizontalScrollBar()->setRange(0, 0);
        const int viewHeight = viewport()->height();
        const int pageSteps = rows * height <= viewHeight ? rows + 1 : qMax(1, qMin(rows, viewHeight / height));
        verticalScrollBar()->setSingleStep(1);
        verticalScrollBar()->setPageStep(pageSteps);
        verticalScrollBar()->setRange(0, rows - pageSteps);
    }
    QAbstractItemView::updateGeometries();
}

void EventRows::scrollContentsBy(int dx, int dy)
{
    scrolledSincePress = true;
    dy *= rowHeight();
    scrollDirtyRegion(dx, dy);
    viewport()->scroll(dx, dy);
}

void EventRows::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    // A press's late scroll, when the list was scrolled since (see below).
    if (inTimer && scrolledSincePress)
        return;
    const QRect rect = visualRect(index);
    if (!rect.isValid())
        return;
    const QRect area = viewport()->rect();
    if (hint == EnsureVisible && area.contains(rect)) {
        viewport()->update(rect);
        return;
    }
    const int row = index.row();
    const int shown = qMin(row + 1, rowsInView());
    QScrollBar *bar = verticalScrollBar();
    if (hint == PositionAtTop || (hint == EnsureVisible && rect.top() < area.top()))
        bar->setValue(row);
    else if (hint == PositionAtBottom || (hint == EnsureVisible && rect.bottom() > area.bottom()))
        bar->setValue(row - shown + 1);
    else if (hint == PositionAtCenter)
        bar->setValue(row - shown / 2);
}

// Up and down go a row as in the list view; home, end and a page, which it
// works out from its layout, are worked out here.  Left and right stay.
QModelIndex EventRows::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = currentIndex();
    const int last = rowCount() - 1;
    if (!current.isValid() || last < 0)
        return QListView::moveCursor(cursorAction, modifiers);
    switch (cursorAction) {
    case MoveUp:
    case MovePrevious:
    case MoveDown:
    case MoveNext: return QListView::moveCursor(cursorAction, modifiers);
    case MoveHome: return model()->index(0, 0);
    case MoveEnd: return model()->index(last, 0);
    case MovePageUp: return model()->index(qMax(0, current.row() - rowsInView() + 1), 0);
    case MovePageDown: return model()->index(qMin(last, current.row() + rowsInView() - 1), 0);
    default: return current;
    }
}

// One row selected at a time: the item view then passes the pixel under a
// press or a drag, and the row there is selected.
void EventRows::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command)
{
    const QModelIndex index = indexAt(rect.topLeft());
    selectionModel()->select(QItemSelection(index, index), command);
}

// What the item view repaints when the selection changes.
QRegion EventRows::visualRegionForSelection(const QItemSelection &selection) const
{
    QRegion region;
    for (const QItemSelectionRange &range : selection)
        region += visualRect(range.topLeft()).united(visualRect(range.bottomRight()));
    return region;
}

// As the list view paints its rows: each in the viewport's width, in the
// palette's normal colours while the list is enabled, marked when selected
// and, the current row, when the list has the focus.
void EventRows::paintEvent(QPaintEvent *event)
{
    const int height = rowHeight();
    if (height <= 0)
        return;
    QStyleOptionViewItem option = viewOptions();
    if (option.state & QStyle::State_Enabled)
        option.palette.setCurrentColorGroup(QPalette::Normal);
    const QStyle::State state = option.state;
    const QModelIndex current = currentIndex();
    const bool focus = hasFocus() || viewport()->hasFocus();
    const int top = event->rect().top() + verticalOffset();
    const int last = qMin(rowCount() - 1, (top + event->rect().height() - 1) / height);
    QPainter painter(viewport());
    for (int row = qMax(0, top / height); row <= last; ++row) {
        const QModelIndex index = model()->index(row, 0);
        option.rect = QRect(0, row * height - verticalOffset(), viewport()->width(), height);
        option.state = state;
        option.state.setFlag(QStyle::State_Selected, selectionModel()->isSelected(index));
        option.state.setFlag(QStyle::State_HasFocus, focus && index == current);
        itemDelegate(index)->paint(&painter, option, index);
    }
}

// The item view scrolls the row a press lands on into view from a timer, a
// double-click's interval later; the list view stops that timer when it is
// scrolled meanwhile, so that a press and then an arrow button leave the list
// where the button put it.  That timer is the item view's own: a scroll
// since the last press is noted here, and the timer's scroll skipped.
void EventRows::mousePressEvent(QMouseEvent *event)
{
    scrolledSincePress = false;
    QListView::mousePressEvent(event);
}

void EventRows::timerEvent(QTimerEvent *event)
{
    inTimer = true;
    QListView::timerEvent(event);
    inTimer = false;
}
