#include "panelharness.h"

#include "doorcontrol.h"
#include "eventlog.h"
#include "fakepanelclock.h"
#include "mainwindow.h"

#include <QAbstractButton>
#include <QDateTime>
#include <QListView>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>

namespace {

const QString TimePattern = QStringLiteral("--- dd.MM.yyyy hh:mm:ss:");

// Byte 7 = 0x00: both supplies fail ("230V error", "230V HP error");
// back to 0x18: both are good again ("230V ok", "230V HP ok").
const QByteArray SuppliesDown = Frames::info({{7, 0x00}});
const QByteArray SuppliesUp = Frames::info();

// The log's list shows its model's rows.
QStringList rows(QListView *list)
{
    QStringList texts;
    for (int i = 0; i < list->model()->rowCount(); ++i)
        texts << list->model()->index(i, 0).data().toString();
    return texts;
}

// The log's list as a list widget of the form shows it, fed as the log
// used to feed it: each event's text row, then its time row, put on top;
// the oldest rows past the cap taken out.
class ListWidgetLog : public QWidget
{
public:
    explicit ListWidgetLog(QWidget *parent)
        : QWidget(parent)
        , list(new QListWidget(this))
    {
        setStyleSheet(QStringLiteral("font: 8pt \"Arial\""));
        list->setGeometry(0, 70, 241, 211);
        list->setFrameShape(QFrame::WinPanel);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
        list->setUniformItemSizes(true);
        QPalette palette = list->palette();
        for (QPalette::ColorRole role : {QPalette::Base, QPalette::Window, QPalette::Light, QPalette::Midlight,
                                         QPalette::Mid, QPalette::Dark, QPalette::Shadow})
            palette.setColor(role, Qt::black);
        palette.setColor(QPalette::Text, Qt::white);
        palette.setColor(QPalette::WindowText, Qt::white);
        list->setPalette(palette);
    }

    void take(const QList<LogEvent> &events)
    {
        for (const LogEvent &event : events) {
            list->insertItem(0, event.text);
            list->insertItem(0, event.time.toString(TimePattern));
        }
        if (list->count() > 2 * DoorControl::MaxEvents)
            list->model()->removeRows(2 * DoorControl::MaxEvents, list->count() - 2 * DoorControl::MaxEvents);
    }

    QListWidget *list;
};

// Events a second apart, their texts taking turns; one in seven is too long
// for its row, which shows it cut short.
QList<LogEvent> events(int count, int from)
{
    const QDateTime start(QDate(2024, 4, 24), QTime(13, 5, 9));
    const QString texts[] = {QStringLiteral("230V HP error"), QStringLiteral("230V ok"), QStringLiteral("230V ok"),
                             QStringLiteral("service interval reached, and more than a row holds")};
    QList<LogEvent> made;
    for (int i = from; i < from + count; ++i)
        made.append({start.addSecs(i), texts[i % 7 == 6 ? 3 : i % 3]});
    return made;
}

} // namespace

class TestEventlog : public QObject
{
    Q_OBJECT

private slots:
    void newestEventOnTopTimeAboveText();
    void eventsArriveWhileLogIsOpen();
    void acknowledgedOnlyWhenLoggedIn_data();
    void acknowledgedOnlyWhenLoggedIn();
    void loginWhileLogIsOpenAcknowledges();
    void messageButtonOnLogDoesNothing();
    void scrollButtons();
    void backReturns();
    void keepsNewestRows();
    void showsAsListWidget_data();
    void showsAsListWidget();
    void tapsAndKeysAsListWidget_data();
    void tapsAndKeysAsListWidget();

private:
    QListView *openLogAfterEvent(PanelHarness &panel);
};

// Goes to the main door screen, raises two events there and opens the log
// with the header's message button.
QListView *TestEventlog::openLogAfterEvent(PanelHarness &panel)
{
    panel.click(QStringLiteral("pushButton"));
    panel.send('i', SuppliesDown);
    if (!panel.button(QStringLiteral("btnMessage"))->isVisible())
        return nullptr;
    panel.click(QStringLiteral("btnMessage"));
    if (panel.screenName() != QLatin1String("eventlog"))
        return nullptr;
    return panel.widget<QListView>(QStringLiteral("listWidget"));
}

void TestEventlog::newestEventOnTopTimeAboveText()
{
    PanelHarness panel;
    panel.click(QStringLiteral("pushButton"));

    const QString time = FakePanelClock::now().toString(TimePattern);
    panel.send('i', SuppliesDown);

    panel.click(QStringLiteral("btnMessage"));
    QCOMPARE(panel.screenName(), QStringLiteral("eventlog"));
    auto *list = panel.widget<QListView>(QStringLiteral("listWidget"));
    QVERIFY(list);

    const QStringList shown = rows(list);
    QCOMPARE(shown.size(), 4);
    QCOMPARE(shown.at(1), QStringLiteral("230V HP error"));
    QCOMPARE(shown.at(3), QStringLiteral("230V error"));
    QCOMPARE(shown.at(0), time);
    QCOMPARE(shown.at(2), time);

    // Taken over once: a re-entry adds nothing.
    panel.click(QStringLiteral("btnBack"));
    panel.click(QStringLiteral("btnMessage"));
    QCOMPARE(panel.screenName(), QStringLiteral("eventlog"));
    QCOMPARE(rows(panel.widget<QListView>(QStringLiteral("listWidget"))), shown);
}

void TestEventlog::eventsArriveWhileLogIsOpen()
{
    PanelHarness panel;
    QListView *list = openLogAfterEvent(panel);
    QVERIFY(list);

    panel.send('i', SuppliesUp);
    const QStringList shown = rows(list);
    QCOMPARE(shown.size(), 8);
    QCOMPARE(shown.at(1), QStringLiteral("230V HP ok"));
    QCOMPARE(shown.at(3), QStringLiteral("230V ok"));
    QCOMPARE(shown.at(5), QStringLiteral("230V HP error"));
    QCOMPARE(shown.at(7), QStringLiteral("230V error"));
    for (int timeRow : {0, 2, 4, 6})
        QVERIFY2(QDateTime::fromString(shown.at(timeRow), TimePattern).isValid(), qPrintable(shown.at(timeRow)));

    // A frame that changes nothing adds nothing.
    panel.send('i', SuppliesUp);
    QCOMPARE(rows(list), shown);
}

void TestEventlog::acknowledgedOnlyWhenLoggedIn_data()
{
    QTest::addColumn<int>("level");
    QTest::newRow("Standard user") << 0;
    QTest::newRow("Service") << 1;
    QTest::newRow("Engineer") << 2;
    QTest::newRow("Admin") << 3;
}

void TestEventlog::acknowledgedOnlyWhenLoggedIn()
{
    QFETCH(int, level);
    const bool stillWaiting = level == 0;

    PanelHarness panel;
    panel.click(QStringLiteral("pushButton"));
    panel.setLevel(level);
    panel.send('i', SuppliesDown);
    QVERIFY(panel.button(QStringLiteral("btnMessage"))->isVisible());
    panel.click(QStringLiteral("btnMessage"));
    QCOMPARE(panel.screenName(), QStringLiteral("eventlog"));
    QCOMPARE(rows(panel.widget<QListView>(QStringLiteral("listWidget"))).size(), 4);

    // The header is drawn before the log takes the events: the next
    // refresh shows the outcome.
    panel.send('i', SuppliesDown);
    QCOMPARE(panel.button(QStringLiteral("btnMessage"))->isVisible(), stillWaiting);

    panel.click(QStringLiteral("btnBack"));
    QCOMPARE(panel.screenName(), QStringLiteral("standard"));
    QCOMPARE(panel.button(QStringLiteral("btnMessage"))->isVisible(), stillWaiting);
}

void TestEventlog::loginWhileLogIsOpenAcknowledges()
{
    PanelHarness panel;
    QVERIFY(openLogAfterEvent(panel));
    panel.send('i', SuppliesDown);
    QVERIFY(panel.button(QStringLiteral("btnMessage"))->isVisible());

    panel.setLevel(1);
    panel.send('i', SuppliesDown);
    QVERIFY(!panel.button(QStringLiteral("btnMessage"))->isVisible());
}

void TestEventlog::messageButtonOnLogDoesNothing()
{
    PanelHarness panel;
    QListView *list = openLogAfterEvent(panel);
    QVERIFY(list);
    const QStringList history = panel.window().navigationHistory();
    const QStringList shown = rows(list);
    QVERIFY(panel.button(QStringLiteral("btnMessage"))->isVisible());

    panel.click(QStringLiteral("btnMessage"));
    QCOMPARE(panel.screenName(), QStringLiteral("eventlog"));
    QCOMPARE(panel.window().navigationHistory(), history);
    QCOMPARE(rows(list), shown);
}

void TestEventlog::scrollButtons()
{
    PanelHarness panel;
    QListView *list = openLogAfterEvent(panel);
    QVERIFY(list);
    for (int i = 0; i < 8; ++i) {
        panel.send('i', SuppliesUp);
        panel.send('i', SuppliesDown);
    }
    // The list lays its new rows out from the event loop.
    QCoreApplication::processEvents();
    const int rowCount = list->model()->rowCount();
    QCOMPARE(rowCount, 4 + 8 * 8);

    QScrollBar *bar = list->verticalScrollBar();
    QCOMPARE(bar->value(), 0);
    QVERIFY(bar->maximum() > 6);
    const auto topRow = [list] { return list->indexAt(QPoint(2, 2)).row(); };

    panel.click(QStringLiteral("btnLineUp"));
    QCOMPARE(bar->value(), 0);

    // One event down: the top row is the next event's time row.
    panel.click(QStringLiteral("btnLineDown"));
    QCOMPARE(bar->value(), 2);
    QCOMPARE(topRow(), 2);
    panel.click(QStringLiteral("btnLineDown"));
    QCOMPARE(bar->value(), 4);
    panel.click(QStringLiteral("btnLineUp"));
    QCOMPARE(bar->value(), 2);

    // The oldest event's text row is in view at the bottom.
    panel.click(QStringLiteral("btnLastLine"));
    QCOMPARE(bar->value(), bar->maximum());
    QVERIFY(list->viewport()->rect().contains(list->visualRect(list->model()->index(rowCount - 1, 0))));

    panel.click(QStringLiteral("btnLineDown"));
    QCOMPARE(bar->value(), bar->maximum());

    panel.click(QStringLiteral("btnFirstLine"));
    QCOMPARE(bar->value(), 0);
    QCOMPARE(topRow(), 0);
}

void TestEventlog::backReturns()
{
    PanelHarness panel;
    QVERIFY(openLogAfterEvent(panel));
    QCOMPARE(panel.window().navigationHistory(), (QStringList{"start", "standard", "eventlog"}));

    panel.click(QStringLiteral("btnBack"));
    QCOMPARE(panel.screenName(), QStringLiteral("standard"));
    QCOMPARE(panel.window().navigationHistory(), (QStringList{"start", "standard"}));
}

// The log holds the newest events, two rows each; the oldest go first.
void TestEventlog::keepsNewestRows()
{
    DoorControl door;
    Eventlog log;
    log.doorControl = &door;
    auto *list = log.findChild<QListView *>(QStringLiteral("listWidget"));
    const int batches[] = {DoorControl::MaxEvents, DoorControl::MaxEvents / 2};
    int raised = 0;
    for (int batch : batches) {
        for (int i = 0; i < batch; ++i)
            door.addEvent(QString::number(raised++));
        log.refresh(BaseFrame::LevelStandard, false);
    }
    const QStringList shown = rows(list);
    QCOMPARE(shown.size(), 2 * DoorControl::MaxEvents);
    QCOMPARE(shown.at(1), QString::number(raised - 1));
    QCOMPARE(shown.last(), QString::number(raised - DoorControl::MaxEvents));
}

void TestEventlog::showsAsListWidget_data()
{
    QTest::addColumn<int>("held");     // events taken before
    QTest::addColumn<int>("scrolled"); // scroll bar value then; -1: its maximum
    QTest::addColumn<int>("selected"); // row selected; -1: none
    QTest::addColumn<int>("more");     // events taken while it shows

    QTest::newRow("empty") << 0 << 0 << -1 << 1;
    QTest::newRow("one event") << 1 << 0 << -1 << 1;
    QTest::newRow("nearly a view") << 6 << 0 << 3 << 2;
    QTest::newRow("a view and more") << 9 << -1 << -1 << 1;
    QTest::newRow("scrolled, selected") << 40 << 2 << 5 << 3;
    QTest::newRow("full") << DoorControl::MaxEvents << 0 << 1 << 1;
    QTest::newRow("full, at its end") << DoorControl::MaxEvents << -1 << -1 << 2;
    QTest::newRow("past its cap at once") << DoorControl::MaxEvents << 7 << -1 << DoorControl::MaxEvents + 5;
}

// The log's list shows, scrolls and selects as the list widget did, and
// what it leaves on the screen when events come is what a full paint gives.
void TestEventlog::showsAsListWidget()
{
    QFETCH(int, held);
    QFETCH(int, scrolled);
    QFETCH(int, selected);
    QFETCH(int, more);

    QWidget window;
    window.resize(500, 320);
    DoorControl door;
    auto *log = new Eventlog(&window);
    log->doorControl = &door;
    auto *reference = new ListWidgetLog(&window);
    reference->setGeometry(250, 0, 240, 320);
    auto *list = log->findChild<QListView *>(QStringLiteral("listWidget"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const auto take = [&](int count, int from) {
        door.events = events(count, from);
        log->refresh(BaseFrame::LevelStandard, false);
        reference->take(events(count, from));
        QCoreApplication::processEvents();
    };
    const auto compare = [&] {
        QCoreApplication::processEvents();
        QCOMPARE(rows(list), rows(reference->list));
        for (QScrollBar *(QAbstractScrollArea::*bar)() const :
             {&QAbstractScrollArea::verticalScrollBar, &QAbstractScrollArea::horizontalScrollBar}) {
            QCOMPARE((list->*bar)()->minimum(), (reference->list->*bar)()->minimum());
            QCOMPARE((list->*bar)()->maximum(), (reference->list->*bar)()->maximum());
            QCOMPARE((list->*bar)()->pageStep(), (reference->list->*bar)()->pageStep());
            QCOMPARE((list->*bar)()->value(), (reference->list->*bar)()->value());
        }
        for (int row : {0, 1, 13, 14, 2 * held - 1}) {
            QCOMPARE(list->visualRect(list->model()->index(row, 0)),
                     reference->list->visualRect(reference->list->model()->index(row, 0)));
        }
        for (const QPoint &at : {QPoint(2, 2), QPoint(120, 100), QPoint(238, 204), QPoint(2, 300)})
            QCOMPARE(list->indexAt(at).row(), reference->list->indexAt(at).row());
        // What the screen holds, and a fresh paint.
        const QImage shown = window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage painted = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        // (The list is a pixel wider than its screen, which clips it.)
        QCOMPARE(shown.copy(0, 70, 240, 211), shown.copy(250, 70, 240, 211));
        QCOMPARE(painted.copy(0, 70, 240, 211), shown.copy(0, 70, 240, 211));
    };

    take(held, 0);
    for (QListView *view : {list, static_cast<QListView *>(reference->list)}) {
        view->verticalScrollBar()->setValue(scrolled < 0 ? view->verticalScrollBar()->maximum() : scrolled);
        if (selected >= 0)
            view->selectionModel()->select(view->model()->index(selected, 0), QItemSelectionModel::ClearAndSelect);
    }
    compare();
    take(more, held);
    compare();
}

void TestEventlog::tapsAndKeysAsListWidget_data()
{
    QTest::addColumn<int>("tapped");    // y of the tap in the list
    QTest::addColumn<int>("draggedTo"); // y the finger moves to before it lifts; -1: none
    QTest::addColumn<QVector<int>>("keys");

    QTest::newRow("tap") << 30 << -1 << QVector<int>{};
    QTest::newRow("tap the last row shown") << 200 << -1 << QVector<int>{};
    QTest::newRow("drag") << 30 << 120 << QVector<int>{};
    QTest::newRow("drag out of the list") << 30 << 400 << QVector<int>{};
    QTest::newRow("End") << 30 << -1 << QVector<int>{Qt::Key_End};
    QTest::newRow("Page Down twice") << 30 << -1 << QVector<int>{Qt::Key_PageDown, Qt::Key_PageDown};
    QTest::newRow("End, Page Up, Up") << 30 << -1 << QVector<int>{Qt::Key_End, Qt::Key_PageUp, Qt::Key_Up};
    QTest::newRow("Down, Home, Left") << 30 << -1 << QVector<int>{Qt::Key_Down, Qt::Key_Home, Qt::Key_Left};
}

// A finger or a keyboard moves the selection and the list as in the list
// widget; each list is shown alone, as each takes the focus.
void TestEventlog::tapsAndKeysAsListWidget()
{
    QFETCH(int, tapped);
    QFETCH(int, draggedTo);
    QFETCH(QVector<int>, keys);

    struct Seen
    {
        int scrolled, current, selected;
        QImage shown;
    };
    const auto use = [&](QListView *list, QWidget &window) {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return Seen{};
        QWidget *viewport = list->viewport();
        QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(20, tapped));
        const QPoint lifted(30, draggedTo < 0 ? tapped : draggedTo);
        QMouseEvent move(QEvent::MouseMove, lifted, Qt::NoButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(viewport, &move);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, lifted);
        for (int key : keys)
            QTest::keyClick(list, static_cast<Qt::Key>(key));
        QCoreApplication::processEvents();
        return Seen{list->verticalScrollBar()->value(), list->currentIndex().row(),
                    list->selectionModel()->selectedRows().value(0).row(),
                    window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32).copy(0, 70, 240, 211)};
    };

    DoorControl door;
    door.events = events(40, 0);
    QWidget logWindow;
    auto *log = new Eventlog(&logWindow);
    log->doorControl = &door;
    log->refresh(BaseFrame::LevelStandard, false);
    const Seen seen = use(log->findChild<QListView *>(QStringLiteral("listWidget")), logWindow);
    logWindow.hide();

    QWidget referenceWindow;
    auto *reference = new ListWidgetLog(&referenceWindow);
    reference->resize(240, 320);
    reference->take(events(40, 0));
    const Seen expected = use(reference->list, referenceWindow);

    QCOMPARE(seen.scrolled, expected.scrolled);
    QCOMPARE(seen.current, expected.current);
    QCOMPARE(seen.selected, expected.selected);
    QCOMPARE(seen.shown, expected.shown);
}

QTEST_MAIN(TestEventlog)
#include "tst_eventlog.moc"
