// The parameter screens through the real main window: each row's bytes and
// scale on the way in and out, the level and controller-type rules, the
// current maximum and the blocks that must never go back.

#include "mainwindow.h"
#include "modaldriver.h"
#include "panelharness.h"
#include "worker.h"

#include <QLabel>
#include <QtTest>

namespace {

// Every parameter byte set to a pattern, so that a write-back that touches
// a wrong byte shows; a maximum velocity of 3000 and a current basis of -2900 (30 A).
QByteArray patternBlock()
{
    QByteArray block = Frames::config();
    for (int at = 20; at < 100; ++at)
        block[at] = static_cast<char>(at * 7 + 1);
    block.replace(38, 2, Frames::hex("B8 0B")).replace(96, 2, Frames::hex("AC F4"));
    return block;
}

void setField(QByteArray &block, int byte, int width, int value)
{
    for (int i = 0; i < width; ++i)
        block[byte + i] = static_cast<char>(value >> (8 * i));
}

// A panel logged in as Admin on `screen`, holding `block` from the controller.
void openScreen(PanelHarness &panel, const QString &screen, const QByteArray &block)
{
    panel.setLevel(BaseFrame::LevelAdmin);
    panel.segue(screen);
    panel.send('i', Frames::info({{0, 0x19}}));
    QCOMPARE(panel.written(), Frames::command(CmdRequestConfig)); // asked on entry, block held or not
    panel.send('v', block);
    panel.send('i', Frames::info({{0, 0x19}}));
}

// Taps a value button, clicks `buttons` in the dialog, then back; returns
// what went out on the line, as hex.
QByteArray edit(PanelHarness &panel, const QString &valueButton, const QStringList &buttons)
{
    ModalDriver driver(buttons, &panel.window());
    panel.click(valueButton);
    if (!driver.done())
        qWarning("the dialog did not open");
    panel.click(QStringLiteral("btnBack"));
    return panel.poll().toHex(' ');
}

} // namespace

class TestParamScreens : public QObject
{
    Q_OBJECT

private slots:
    void writeBackRow_data();
    void writeBackRow();
    void rules_data();
    void rules();
    void currentMaximum_data();
    void currentMaximum();
    void shortBlockNeverSent();
};

void TestParamScreens::writeBackRow_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("written"); // -1: nothing goes out

    const auto row = [](const char *screen, const char *button, int byte, int width, int start, const char *shown,
                        const QStringList &steps, int written) {
        QTest::addRow("%s %s, %s", screen, button, qPrintable(steps.join(' ')))
            << screen << button << byte << width << start << shown << (steps.contains("btnBack") ? steps : steps + QStringList{"btnEnter"}) << written;
    };
    row("times", "btnSetBlackoutTime", 62, 2, 90, "0.75", {"btn10p"}, 690);
    row("times", "btnSetDockingTime", 25, 1, 255, "25.5", {"btn1n"}, 200);
    row("times", "btnSetPreAlarmTime", 22, 1, 20, "10", {"btn1p"}, 21);
    row("times", "btnSetReClosingTime", 21, 1, 20, "10", {"btn10n"}, 1);
    row("times", "btnSetSafetyStroke", 24, 1, 5, "5", {"btn10p"}, 15);
    row("times", "btnSetOpeningTimeSafetyStrip", 23, 1, 3, "1.5", {"btn1p"}, 4);
    row("positions", "btnOpenSlowDist", 28, 2, 300, "30", {"btn1p"}, 310);
    row("positions", "btnCloseSlowDist", 30, 2, 999, "99.9", {"btn10p"}, 1000);
    row("speed", "btnOpenVel", 40, 2, 1500, "1500", {"btn10p"}, 1600);
    row("speed", "btnCloseVel", 64, 2, 2950, "2950", {"btn10p"}, 3000);
    row("speed", "btnSlowVel", 42, 2, 0, "0", {"btn1n"}, 1);
    row("current", "btnSetCurrent", 32, 2, 1500, "1.5", {"btn1p"}, 1600);
    row("current", "btnSetCurrent_2", 92, 2, 29500, "29.5", {"btn10p"}, 30000);
    row("ramp", "btnSetAccel", 44, 2, 1000, "10", {"btn10p"}, 2000);
    row("ramp", "btnSetDecel", 46, 2, 5000, "50", {"btn1p"}, 5000);
    row("ramp", "btnSetBrake", 48, 2, 10, "1", {"btn1n"}, 10);
    // Nothing goes out when the dialog does not report a change (tst_adjust owns when).
    row("ramp", "btnSetBrake", 48, 2, 100, "10", {"btn1p", "btnBack"}, -1);
}

void TestParamScreens::writeBackRow()
{
    QFETCH(QString, screen);
    QFETCH(QString, button);
    QFETCH(int, byte);
    QFETCH(int, width);
    QFETCH(int, start);
    QFETCH(QString, shown);
    QFETCH(QStringList, steps);
    QFETCH(int, written);

    QByteArray block = patternBlock();
    setField(block, byte, width, start);
    PanelHarness panel;
    openScreen(panel, screen, block);
    QCOMPARE(panel.button(button)->text(), shown);

    setField(block, byte, width, written);
    QCOMPARE(edit(panel, button, steps), written < 0 ? QByteArray() : panelFrame('W', block).toHex(' '));
}

void TestParamScreens::rules_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("tappable");

    const QByteArray plain = Frames::hex("19 00");
    QTest::newRow("times, Engineer") << "times" << plain << 2 << "btnSetBlackoutTime" << true << true;
    QTest::newRow("times, Service") << "times" << plain << 1 << "btnSetOpeningTimeSafetyStrip" << true << false;
    QTest::newRow("pin row, type 0x18") << "times" << Frames::hex("18 00") << 3 << "btnSetDockingTime" << false << false;
    QTest::newRow("pin row, type 0xAB/8") << "times" << Frames::hex("AB 08") << 3 << "btnSetDockingTime" << false << false;
    QTest::newRow("pin row, type 0xAB/7") << "times" << Frames::hex("AB 07") << 3 << "btnSetDockingTime" << true << true;
    QTest::newRow("close current, Service") << "current" << plain << 1 << "btnSetCurrent" << true << false;
    QTest::newRow("close current, Engineer") << "current" << plain << 2 << "btnSetCurrent" << true << true;
    QTest::newRow("open current, Service") << "current" << plain << 1 << "btnSetCurrent_2" << true << true;
}

void TestParamScreens::rules()
{
    QFETCH(QString, screen);
    QFETCH(QByteArray, type);
    QFETCH(int, level);
    QFETCH(QString, button);
    QFETCH(bool, shown);
    QFETCH(bool, tappable);

    PanelHarness panel;
    panel.setLevel(level);
    panel.segue(screen);
    panel.send('i', Frames::info({{0, quint8(type[0])}, {1, quint8(type[1])}}));
    QCOMPARE(panel.button(button)->isVisible(), shown);
    QCOMPARE(panel.button(button)->isVisible() && panel.button(button)->isEnabled(), tappable);

    // A row hidden for the controller type stays hidden when another type reports.
    panel.send('i', Frames::info({{0, 0x19}}));
    QCOMPARE(panel.button(button)->isVisible(), shown);
}

void TestParamScreens::currentMaximum_data()
{
    QTest::addColumn<int>("basis");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("step");
    QTest::addColumn<int>("written");
    QTest::addColumn<QString>("shown"); // in the dialog, after the step

    QTest::newRow("basis 0: 1 A") << 0 << 500 << "btn10p" << 1000 << "1";
    QTest::newRow("basis 150: 0 A") << 150 << 500 << "btn1p" << 0 << "0";
    QTest::newRow("basis 250: never below 0") << 250 << 500 << "btn10n" << 0 << "0";
    QTest::newRow("basis -32768: field full, not wrapped") << -32768 << 65000 << "btn10p" << 65535 << "66";
}

void TestParamScreens::currentMaximum()
{
    QFETCH(int, basis);
    QFETCH(int, start);
    QFETCH(QString, step);
    QFETCH(int, written);
    QFETCH(QString, shown);

    QByteArray block = Frames::config();
    setField(block, 96, 2, basis);
    setField(block, 92, 2, start);
    PanelHarness panel;
    openScreen(panel, "current", block);

    QString seen;
    QTimer::singleShot(0, &panel.window(), [&seen, step] {
        QWidget *dialog = QApplication::activeModalWidget();
        QTest::mouseClick(dialog->findChild<QAbstractButton *>(step), Qt::LeftButton);
        seen = dialog->findChild<QLabel *>(QStringLiteral("lblValue"))->text();
        QTest::mouseClick(dialog->findChild<QAbstractButton *>(QStringLiteral("btnEnter")), Qt::LeftButton);
    });
    panel.click("btnSetCurrent_2");
    panel.click("btnBack");
    QCOMPARE(seen, shown);
    setField(block, 92, 2, written);
    QCOMPARE(panel.poll().toHex(' '), panelFrame('W', block).toHex(' '));
}

// A block shorter than a whole one is shown, but never written back: the
// controller would take every byte it lacked as zero.
void TestParamScreens::shortBlockNeverSent()
{
    QByteArray block = patternBlock().left(60);
    setField(block, 28, 2, 300);
    PanelHarness panel;
    openScreen(panel, "positions", block);
    QCOMPARE(panel.button("btnOpenSlowDist")->text(), QString("30"));
    QCOMPARE(edit(panel, "btnOpenSlowDist", {"btn1p", "btnEnter"}), QByteArray());
}

QTEST_MAIN(TestParamScreens)
#include "tst_paramscreens.moc"
