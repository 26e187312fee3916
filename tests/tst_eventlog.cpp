#include "panelharness.h"

#include "doorcontrol.h"
#include "eventlog.h"
#include "mainwindow.h"

#include <QAbstractButton>
#include <QDateTime>
#include <QListView>
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

    const QDateTime before = QDateTime::currentDateTime().addMSecs(-1000);
    panel.send('i', SuppliesDown);
    const QDateTime after = QDateTime::currentDateTime();

    panel.click(QStringLiteral("btnMessage"));
    QCOMPARE(panel.screenName(), QStringLiteral("eventlog"));
    auto *list = panel.widget<QListView>(QStringLiteral("listWidget"));
    QVERIFY(list);

    const QStringList shown = rows(list);
    QCOMPARE(shown.size(), 4);
    QCOMPARE(shown.at(1), QStringLiteral("230V HP error"));
    QCOMPARE(shown.at(3), QStringLiteral("230V error"));
    for (int timeRow : {0, 2}) {
        const QDateTime time = QDateTime::fromString(shown.at(timeRow), TimePattern);
        QVERIFY2(time.isValid(), qPrintable(shown.at(timeRow)));
        QVERIFY(time >= before && time <= after);
    }

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
    PanelHarness::settle();
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

QTEST_MAIN(TestEventlog)
#include "tst_eventlog.moc"
