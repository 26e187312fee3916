#include "eventlog.h"
#include "ui_eventlog.h"

#include "arrowglyphs.h"
#include "doorcontrol.h"

#include <QAbstractListModel>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QScrollBar>
#include <QTextLayout>

namespace {

const QString TimePattern = QStringLiteral("--- dd.MM.yyyy hh:mm:ss:");

// Every event takes two rows: its time and its text.
constexpr int RowsPerEvent = 2;

// Rows kept painted: more than the view shows, few enough to be small.
constexpr int PaintedRowsKept = 32;

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
        if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::EditRole))
            return {};
        const LogEvent &event = events.at(events.size() - 1 - index.row() / RowsPerEvent);
        if (index.row() % RowsPerEvent)
            return event.text;
        return event.time.toString(TimePattern);
    }

    // As the rows of a list widget: selectable, enabled, checkable and
    // draggable, drops only between them.
    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        if (!index.isValid() || index.model() != this || index.row() >= rowCount())
            return Qt::ItemIsDropEnabled;
        return Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled;
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
    // which would make every row's paint several times dearer.
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
    return model() ? model()->rowCount(rootIndex()) : 0;
}

// As a list view with uniform item sizes: the size hint of its last row.
int EventRows::rowHeight() const
{
    const int rows = rowCount();
    if (!itemSize.isValid() && rows > 0) {
        const QModelIndex sample = model()->index(rows - 1, modelColumn(), rootIndex());
        if (const QAbstractItemDelegate *delegate = itemDelegate(sample))
            itemSize = delegate->sizeHint(viewOptions(), sample);
    }
    return itemSize.isValid() ? itemSize.height() : 0;
}

// With the horizontal scroll bar off the rows are as wide as the viewport.
int EventRows::contentsWidth() const
{
    if (horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff)
        return viewport()->width();
    return itemSize.width();
}

int EventRows::rowsInView() const
{
    const int height = rowHeight();
    return height > 0 ? qMax(1, viewport()->height() / height) : 1;
}

QPair<int, int> EventRows::rowsMeeting(int y, int height) const
{
    const int rowH = rowHeight();
    const int rows = rowCount();
    if (rowH <= 0 || rows == 0 || height <= 0)
        return {0, -1};
    const int top = y + verticalOffset();
    const int bottom = top + height - 1;
    if (bottom < 0)
        return {0, -1};
    return {qMax(0, top / rowH), qMin(rows - 1, bottom / rowH)};
}

int EventRows::rowAt(const QPoint &point) const
{
    const int rowH = rowHeight();
    const int y = point.y() + verticalOffset();
    if (rowH <= 0 || y < 0)
        return -1;
    const int row = y / rowH;
    return row < rowCount() ? row : -1;
}

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

// Where rows from `start` on lie in the viewport, when they are rows of the
// list and the view shows that place; -1 otherwise.  Either way, what the
// next layout follows is then repainted here already.
int EventRows::shownFrom(const QModelIndex &parent, int start)
{
    const int height = rowHeight();
    if (parent != rootIndex() || height <= 0)
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
    const int top = shownFrom(parent, start);
    if (top >= 0) {
        const QRect moved(0, top, viewport()->width(), viewport()->height() - top);
        viewport()->scroll(0, (end - start + 1) * rowHeight(), moved);
    }
}

// Rows taken out of what the view shows: what is below them moves up.
void EventRows::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    QListView::rowsAboutToBeRemoved(parent, start, end);
    const int top = shownFrom(parent, start);
    if (top >= 0)
        viewport()->update(QRect(0, top, viewport()->width(), viewport()->height() - top));
}

void EventRows::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange
        || event->type() == QEvent::PaletteChange) {
        itemSize = QSize();
        painted.clear();
    }
    QListView::changeEvent(event);
}

QRect EventRows::visualRect(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != model() || index.parent() != rootIndex()
        || index.column() != modelColumn() || index.row() >= rowCount() || isIndexHidden(index))
        return {};
    const int height = rowHeight();
    const int width = qMax(itemSize.width(), qMax(contentsWidth(), viewport()->width()));
    return QRect(-horizontalOffset(), index.row() * height - verticalOffset(), width, height);
}

QModelIndex EventRows::indexAt(const QPoint &point) const
{
    const int row = rowAt(point);
    if (row < 0)
        return {};
    const QModelIndex index = model()->index(row, modelColumn(), rootIndex());
    return visualRect(index).contains(point) ? index : QModelIndex();
}

int EventRows::horizontalOffset() const
{
    const QScrollBar *bar = horizontalScrollBar();
    return isRightToLeft() ? bar->maximum() - bar->value() : bar->value();
}

int EventRows::verticalOffset() const
{
    const int value = verticalScrollBar()->value();
    if (verticalScrollMode() == ScrollPerItem)
        return value <= rowCount() ? value * rowHeight() : 0;
    return value;
}

void EventRows::updateGeometries()
{
    const int rows = rowCount();
    const int height = rowHeight();
    if (geometry().isEmpty() || rows <= 0 || height <= 0) {
        horizontalScrollBar()->setRange(0, 0);
        verticalScrollBar()->setRange(0, 0);
    } else {
        horizontalScrollBar()->setSingleStep(itemSize.width());
        horizontalScrollBar()->setPageStep(viewport()->width());
        horizontalScrollBar()->setRange(0, qMax(0, contentsWidth() - viewport()->width()));
        const int contentsHeight = rows * height;
        const int viewHeight = viewport()->height();
        if (verticalScrollMode() == ScrollPerItem) {
            // One step a row, a page the rows that fit whole; the last step
            // shows the last row whole.  A list that fits has a page of all
            // its rows and its end.
            const int steps = rows;
            if (steps > 0) {
                const int pageSteps = contentsHeight <= viewHeight ? rows + 1 : qMax(1, qMin(rows, viewHeight / height));
                verticalScrollBar()->setSingleStep(1);
                verticalScrollBar()->setPageStep(pageSteps);
                verticalScrollBar()->setRange(0, steps - pageSteps);
            } else {
                verticalScrollBar()->setRange(0, 0);
            }
        } else {
            verticalScrollBar()->setSingleStep(height);
            verticalScrollBar()->setPageStep(viewHeight);
            verticalScrollBar()->setRange(0, contentsHeight - viewHeight);
        }
    }
    QAbstractItemView::updateGeometries();
}

void EventRows::scrollContentsBy(int dx, int dy)
{
    scrolledSincePress = true;
    if (verticalScrollMode() == ScrollPerItem)
        dy *= rowHeight();
    if (isRightToLeft())
        dx = -dx;
    scrollDirtyRegion(dx, dy);
    viewport()->scroll(dx, dy);
}

void EventRows::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    // A press on a row scrolls it into view a moment later, unless the list
    // was scrolled in between.
    if (inTimer && scrolledSincePress)
        return;
    if (index.parent() != rootIndex() || index.column() != modelColumn())
        return;
    const QRect rect = visualRect(index);
    if (!rect.isValid())
        return;
    const QRect area = viewport()->rect();
    if (hint == EnsureVisible && area.contains(rect)) {
        viewport()->update(rect);
        return;
    }
    if (hint == EnsureVisible) {
        if (rect.top() < area.top())
            hint = PositionAtTop;
        else if (rect.bottom() > area.bottom())
            hint = PositionAtBottom;
    }
    QScrollBar *bar = verticalScrollBar();
    if (verticalScrollMode() == ScrollPerItem) {
        const int row = index.row();
        const int shown = qMin(row + 1, rowsInView());
        switch (hint) {
        case PositionAtTop: bar->setValue(row); break;
        case PositionAtBottom: bar->setValue(row - shown + 1); break;
        case PositionAtCenter: bar->setValue(row - shown / 2); break;
        default: break;
        }
    } else {
        const int top = rect.top() + verticalOffset();
        switch (hint) {
        case PositionAtTop: bar->setValue(top); break;
        case PositionAtBottom: bar->setValue(top + rect.height() - area.height()); break;
        case PositionAtCenter: bar->setValue(top + (rect.height() - area.height()) / 2); break;
        default: break;
        }
    }
}

QModelIndex EventRows::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = currentIndex();
    const int rows = rowCount();
    const auto rowIndex = [this](int row) { return model()->index(row, modelColumn(), rootIndex()); };
    if (!current.isValid() || rows == 0)
        return QListView::moveCursor(cursorAction, modifiers);
    switch (cursorAction) {
    case MoveUp:
    case MovePrevious:
    case MoveDown:
    case MoveNext:
        return QListView::moveCursor(cursorAction, modifiers);
    case MoveHome:
        return rowIndex(0);
    case MoveEnd:
        return rowIndex(rows - 1);
    case MovePageUp:
        return rowIndex(qMax(0, current.row() - rowsInView() + 1));
    case MovePageDown:
        return rowIndex(qMin(rows - 1, current.row() + rowsInView() - 1));
    default:
        return current;
    }
}

void EventRows::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command)
{
    if (!selectionModel())
        return;
    const auto enabledRow = [this](int row) {
        return row >= 0 && (model()->flags(model()->index(row, modelColumn(), rootIndex())) & Qt::ItemIsEnabled);
    };
    QItemSelection selection;
    int first = -1;
    int last = -1;
    if (rect.width() == 1 && rect.height() == 1) {
        // A press: the row under it.
        first = last = rowAt(rect.topLeft());
        if (first >= 0 && rect.left() + horizontalOffset() >= contentsWidth())
            first = last = -1;
    } else if (state() == DragSelectingState) {
        const QPair<int, int> rows = rowsMeeting(rect.top(), rect.height());
        first = rows.first;
        last = rows.second;
    } else {
        first = rowAt(rect.topLeft());
        last = rowAt(rect.bottomRight());
        if (first > last)
            qSwap(first, last);
    }
    if (first >= 0 && last >= first && enabledRow(first) && enabledRow(last))
        selection.select(model()->index(first, modelColumn(), rootIndex()),
                         model()->index(last, modelColumn(), rootIndex()));
    selectionModel()->select(selection, command);
}

QRegion EventRows::visualRegionForSelection(const QItemSelection &selection) const
{
    QRegion region;
    const QRect area = viewport()->rect();
    for (const QItemSelectionRange &range : selection) {
        if (!range.isValid() || range.parent() != rootIndex() || range.right() < modelColumn()
            || range.left() > modelColumn())
            continue;
        const QRect rect(visualRect(model()->index(range.top(), modelColumn(), rootIndex())).topLeft(),
                         visualRect(model()->index(range.bottom(), modelColumn(), rootIndex())).bottomRight());
        if (area.intersects(rect))
            region += rect;
    }
    return region;
}

void EventRows::paintEvent(QPaintEvent *event)
{
    if (!model() || !itemDelegate())
        return;
    QStyleOptionViewItem option = viewOptions();
    QPainter painter(viewport());
    const QPair<int, int> rows = rowsMeeting(event->rect().top(), event->rect().height());
    const QModelIndex current = currentIndex();
    const QItemSelectionModel *selections = selectionModel();
    const bool focus = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    const QStyle::State state = option.state;
    const bool enabled = (state & QStyle::State_Enabled) != 0;
    const int maxWidth = qMax(viewport()->width(), contentsWidth());
    for (int row = rows.first; row <= rows.second; ++row) {
        const QModelIndex index = model()->index(row, modelColumn(), rootIndex());
        if (isIndexHidden(index))
            continue;
        option.rect = visualRect(index);
        option.rect.setWidth(qMin(maxWidth, option.rect.width()));
        option.state = state;
        if (selections && selections->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (enabled) {
            QPalette::ColorGroup group = QPalette::Normal;
            if (!(model()->flags(index) & Qt::ItemIsEnabled)) {
                option.state &= ~QStyle::State_Enabled;
                group = QPalette::Disabled;
            }
            option.palette.setCurrentColorGroup(group);
        }
        if (focus && current == index) {
            option.state |= QStyle::State_HasFocus;
            if (this->state() == EditingState)
                option.state |= QStyle::State_Editing;
        }
        option.state.setFlag(QStyle::State_MouseOver, index == hovered);
        if (alternatingRowColors())
            option.features.setFlag(QStyleOptionViewItem::Alternate, row % 2);
        paintRow(painter, option, index);
    }
}

// The log's rows hold a text and nothing else.  A row that shows only that,
// left-aligned and whole, is drawn as the style draws an item's text, with
// the text laid out once (the style lays it out five times to place and draw
// it).  False for a row that shows more, which the style draws.
bool EventRows::paintText(QPainter &painter, const QStyleOptionViewItem &option, const QString &text) const
{
    const QStyle::State shows = QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_Editing;
    if ((option.state & shows) || (option.features & QStyleOptionViewItem::Alternate)
        || (option.features & QStyleOptionViewItem::WrapText)
        || option.displayAlignment != (Qt::AlignLeft | Qt::AlignVCenter) || option.direction != Qt::LeftToRight)
        return false;
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const QRect textRect = option.rect.adjusted(margin, 0, -margin, 0);
    QTextLayout layout(text, option.font);
    QTextOption textOption;
    textOption.setWrapMode(QTextOption::ManualWrap);
    textOption.setTextDirection(option.direction);
    textOption.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    layout.setTextOption(textOption);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) {
        line.setLineWidth(textRect.width());
        line.setPosition(QPointF(0, 0));
    }
    const bool oneLine = !layout.createLine().isValid();
    layout.endLayout();
    if (!line.isValid() || !oneLine || line.naturalTextWidth() > textRect.width())
        return false;
    const QSize size = layout.boundingRect().size().toSize();
    const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
        : (option.state & QStyle::State_Active)                               ? QPalette::Normal
                                                                              : QPalette::Inactive;
    painter.save();
    painter.setClipRect(option.rect);
    painter.setPen(option.palette.color(group, QPalette::Text));
    layout.draw(&painter, QPointF(textRect.x(), textRect.y() + (textRect.height() - size.height()) / 2));
    painter.restore();
    return true;
}

// A row is painted on the viewport's plain background, so its pixels can be
// painted once and drawn again.  Only an event's text row is kept: texts
// repeat, times hardly ever.  A focus frame's dots lie where the screen puts
// them, so a row that has one is always painted.
void EventRows::paintRow(QPainter &painter, const QStyleOptionViewItem &option, const QModelIndex &index)
{
    QAbstractItemDelegate *delegate = itemDelegate(index);
    const QString text = index.data(Qt::DisplayRole).toString();
    const auto paint = [&](QPainter &on, const QStyleOptionViewItem &at) {
        if (!paintText(on, at, text))
            delegate->paint(&on, at, index);
    };
    const QBrush background = viewport()->palette().brush(viewport()->backgroundRole());
    if (index.row() % RowsPerEvent == 0 || (option.state & QStyle::State_HasFocus)
        || background.style() != Qt::SolidPattern || !background.isOpaque() || !viewport()->autoFillBackground()) {
        paint(painter, option);
        return;
    }
    const int state = static_cast<int>(option.state);
    const int features = static_cast<int>(option.features);
    const qint64 palette = option.palette.cacheKey();
    for (int i = painted.size() - 1; i >= 0; --i) {
        const PaintedRow &row = painted.at(i);
        if (row.size == option.rect.size() && row.state == state && row.features == features
            && row.palette == palette && row.text == text) {
            painter.drawPixmap(option.rect.topLeft(), row.pixels);
            return;
        }
    }
    const qreal ratio = viewport()->devicePixelRatioF();
    QPixmap pixels(option.rect.size() * ratio);
    pixels.setDevicePixelRatio(ratio);
    pixels.fill(background.color());
    {
        QPainter rowPainter(&pixels);
        rowPainter.setFont(painter.font());
        rowPainter.setPen(painter.pen());
        QStyleOptionViewItem atOrigin = option;
        atOrigin.rect.moveTopLeft(QPoint(0, 0));
        paint(rowPainter, atOrigin);
    }
    painter.drawPixmap(option.rect.topLeft(), pixels);
    if (painted.size() >= PaintedRowsKept)
        painted.removeFirst();
    painted.append({text, option.rect.size(), state, features, palette, pixels});
}

bool EventRows::viewportEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
        hovered = indexAt(static_cast<QHoverEvent *>(event)->pos());
        break;
    case QEvent::HoverLeave:
    case QEvent::Leave:
        hovered = QModelIndex();
        break;
    default:
        break;
    }
    return QListView::viewportEvent(event);
}

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
