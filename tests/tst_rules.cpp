// The rules in which the door builds differ, one body for every build: each
// build's library is tested against its own rows (rows/<build>.cpp).

#include "doorcontrol.h"
#include "frames.h"
#include "iolayout.h"
#include "iopage.h"
#include "looks.h"
#include "mainwindow.h"
#include "modaldriver.h"
#include "operatingmode.h"
#include "panelharness.h"
#include "rows/rows.h"
#include "worker.h"

#include <QLabel>
#include <QMetaProperty>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QtTest>

namespace {

const Rows::Build &rows()
{
    return Rows::build();
}

// An information record the build takes, with `bytes` set.
QByteArray ownInfo(const Rows::Bytes &bytes = {})
{
    QByteArray record = Frames::info();
    record.replace(0, rows().ownType.size(), rows().ownType);
    for (const auto &value : bytes)
        record[value.first] = static_cast<char>(value.second);
    return record;
}

QByteArray hexOf(const QByteArray &bytes)
{
    return bytes.toHex(' ').toUpper();
}

// A record with `bit` of the main I/O word (group -1) or of group g set to
// `value`; every other bit of that word is inactive.
QByteArray ioRecord(int group, int level, int bit, bool value)
{
    quint32 word = level ? 0u : group < 0 ? 0xFFFFFFFFu : 0xFFFFu;
    word = value ? word | (1u << bit) : word & ~(1u << bit);
    Rows::Bytes bytes;
    for (int i = 0; i < 4; ++i)
        bytes.append({(group < 0 ? IoLayout::MainWord : IoLayout::group(group).word) + i, quint8(word >> (8 * i))});
    return ownInfo(bytes);
}

QByteArray ioLevels(int group, int level)
{
    QByteArray block = Frames::config();
    const int at = group < 0 ? IoLayout::MainLevels : IoLayout::group(group).levels;
    const int size = group < 0 ? IoLayout::MainLevelBytes : IoLayout::GroupLevelBytes;
    block.replace(at, size, QByteArray(size, static_cast<char>(level ? 0xFF : 0)));
    return block;
}

bool lime(QWidget *w)
{
    return Looks::shown(w).contains(Looks::Lit);
}

// A widget of the showing screen that the form may lack.
bool seen(PanelHarness &panel, const QString &name)
{
    auto *widget = panel.widget<QWidget>(name);
    return widget && widget->isVisible();
}

// One row per entry of a build's table, in the column "row", tagged by `tag`.
template <typename T, typename Tag>
void tableRows(const QVector<T> &table, Tag tag)
{
    QTest::addColumn<T>("row");
    for (const T &row : table)
        QTest::newRow(qPrintable(tag(row))) << row;
}

QString nameOf(const char *name)
{
    return QString::fromLatin1(name);
}

} // namespace

Q_DECLARE_METATYPE(Rows::Record)
Q_DECLARE_METATYPE(Rows::Status)
Q_DECLARE_METATYPE(Rows::AlarmLabels)
Q_DECLARE_METATYPE(Rows::IoMenu)
Q_DECLARE_METATYPE(Rows::IoPageButtons)
Q_DECLARE_METATYPE(Rows::IoLamp)
Q_DECLARE_METATYPE(Rows::IoTurns)
Q_DECLARE_METATYPE(Rows::ParamButtons)
Q_DECLARE_METATYPE(Rows::ParamEdit)
Q_DECLARE_METATYPE(Rows::Bytes)
Q_DECLARE_METATYPE(QVector<Rows::Bytes>)

class TestRules : public QObject
{
    Q_OBJECT

private slots:
    void recordAcceptance_data();
    void recordAcceptance();
    void statusText_data();
    void statusText();
    void modeMask_data();
    void modeMask();
    void commandTable_data();
    void commandTable();
    void plus();
    void alarmLabels_data();
    void alarmLabels();
    void utilitiesAndBuildDate();
    void utilitiesTitleTapShowsNothing();
    void modeRequestBeforeConfiguration();
    void modeOneAsked_data();
    void modeOneAsked();
    void openHeldToOpen();
    void ioMenu_data();
    void ioMenu();
    void ioPage_data();
    void ioPage();
    void ioRowFollowsItsBit_data();
    void ioRowFollowsItsBit();
    void ioPageTurnsKeepOneHistoryEntry_data();
    void ioPageTurnsKeepOneHistoryEntry();
    void extensionOutputRelabel_data();
    void extensionOutputRelabel();
    void paramButtons_data();
    void paramButtons();
    void paramWriteBack_data();
    void paramWriteBack();
    void paramNotWrittenBackUnlessWhole_data();
    void paramNotWrittenBackUnlessWhole();
    void settingsMenu();
    void logoutLeavesSettingsScreens_data();
    void logoutLeavesSettingsScreens();
    void layoutSwitches();
    void repaintsLeaveAFullPaint_data();
    void repaintsLeaveAFullPaint();
    void looksAsStockWidgets_data();
    void looksAsStockWidgets();
};

void TestRules::recordAcceptance_data()
{
    tableRows(rows().records, [](const Rows::Record &row) { return nameOf(row.name); });
}

void TestRules::recordAcceptance()
{
    QFETCH(Rows::Record, row);
    DoorControl door;
    QByteArray record = Frames::info({{3, 0x02}, {5, 0x20}});
    record.replace(0, row.lead.size(), row.lead);
    door.setInfo(record);
    QCOMPARE(door.info == record, row.accepted);
    QCOMPARE(door.events.size(), row.accepted ? 1 : 0); // the safety stop, only when taken
}

void TestRules::statusText_data()
{
    tableRows(rows().statusTexts, [](const Rows::Status &row) { return nameOf(row.name); });
}

void TestRules::statusText()
{
    QFETCH(Rows::Status, row);
    DoorControl door;
    if (row.configHeld)
        door.setConfig(Frames::config());
    door.setInfo(ownInfo(row.bytes));
    QCOMPARE(door.info, ownInfo(row.bytes));
    QCOMPARE(door.statusText(), row.text);
}

void TestRules::modeMask_data()
{
    tableRows(rows().modeMasks, [](const QPair<int, quint8> &row) { return QStringLiteral("mode %1").arg(row.first); });
}

void TestRules::modeMask()
{
    using Mask = QPair<int, quint8>;
    QFETCH(Mask, row);
    PanelHarness panel;
    panel.poll();
    panel.window().changeMode(row.first);
    QCOMPARE(hexOf(panel.poll()), hexOf(Frames::modeSwitch(row.second)));
}

void TestRules::commandTable_data()
{
    tableRows(rows().commands, [](const QPair<int, QByteArray> &row) { return QString::number(row.first); });
}

// A code outside the table leaves a waiting request as it is.
void TestRules::commandTable()
{
    using Command = QPair<int, QByteArray>;
    QFETCH(Command, row);
    PanelHarness panel;
    const QByteArray waiting = Frames::modeSwitch(0x01);
    if (row.second.isEmpty())
        panel.worker().sendModeSwitch(waiting.mid(3, 4));
    panel.worker().sendCommand(static_cast<quint8>(row.first));
    QCOMPARE(hexOf(panel.poll()), hexOf(row.second.isEmpty() ? waiting : row.second));
}

void TestRules::plus()
{
    PanelHarness panel;
    panel.worker().sendCommand(4);
    const QByteArray request = Frames::command(CmdReference);
    const bool released = rows().plusReleasesRequest;
    panel.sendRaw("+");
    QCOMPARE(hexOf(panel.written()), hexOf(released ? request : QByteArray()));
    // Unreleased, the request waits for the next frame that ends the buffer.
    QCOMPARE(hexOf(panel.poll()), hexOf(released ? QByteArray() : request));
}

void TestRules::alarmLabels_data()
{
    tableRows(rows().alarmLabels, [](const Rows::AlarmLabels &row) { return nameOf(row.name); });
}

void TestRules::alarmLabels()
{
    QFETCH(Rows::AlarmLabels, row);
    quint32 word = 0x1800; // both supplies good
    for (int bit : row.mainIoBits)
        word |= 1u << bit;
    PanelHarness panel;
    panel.send('v', Frames::config());
    panel.send('i', ownInfo({{6, quint8(word)}, {7, quint8(word >> 8)}, {10, rows().oneModeReported}}));
    for (const QString &screen : {QStringLiteral("standard"), QStringLiteral("utilities")}) {
        panel.segue(screen);
        auto *fire = panel.widget<QLabel>("lblFire");
        QCOMPARE(fire->isVisible(), row.fireShown);
        QCOMPARE(panel.widget<QLabel>("lblPirate")->isVisible(), row.pirateShown);
        panel.window().blinkEvent();
        const QString first = Looks::shown(fire);
        panel.window().blinkEvent();
        QCOMPARE(Looks::shown(fire) != first, row.fireBlinks);
    }
}

void TestRules::utilitiesAndBuildDate()
{
    PanelHarness panel;
    panel.segue("utilities");
    QAbstractButton *vekInfo = panel.button("btnVekInfo");
    QCOMPARE(vekInfo->isVisible(), rows().vekInfoShown);
    if (rows().vekInfoShown) {
        panel.click("btnVekInfo");
        QCOMPARE(panel.screenName(), QStringLiteral("vekinfo"));
    }
    panel.segue("systeminfo");
    QCOMPARE(panel.widget<QLabel>("lblBuildDate")->text(), rows().buildDate);
}

// The login button over the title takes no focus, so a short tap on the
// title draws no focus frame around it.
void TestRules::utilitiesTitleTapShowsNothing()
{
    PanelHarness panel;
    panel.segue("utilities");
    panel.click("btnLogin");
    QCOMPARE(panel.screenName(), QStringLiteral("utilities"));
    QVERIFY(!panel.button("btnLogin")->hasFocus());
}

// Before a configuration block is held every bit reads inactive.
void TestRules::modeRequestBeforeConfiguration()
{
    const QByteArray configRequest = Frames::command(CmdRequestConfig);
    const QByteArray modeOne = Frames::modeSwitch(rows().modeMasks.first().second);
    QCOMPARE(rows().modeMasks.first().first, 1);

    PanelHarness panel;
    panel.click("pushButton");
    QCOMPARE(panel.screenName(), QStringLiteral("standard"));
    panel.poll();
    // A record that reports no mode: the configuration is asked for.
    panel.send('i', ownInfo());
    QCOMPARE(hexOf(panel.poll()), hexOf(configRequest));
    // The block comes; the same record now asks for mode 1.
    panel.send('v', Frames::config());
    QCOMPARE(hexOf(panel.poll()), hexOf(modeOne));
    // Exactly one mode reported: nothing more.
    panel.send('i', ownInfo({{10, rows().oneModeReported}}));
    panel.written();
    QCOMPARE(hexOf(panel.poll()), QByteArray());
}

void TestRules::modeOneAsked_data()
{
    tableRows(rows().modeOneAsked, [](const QPair<quint8, bool> &row) { return QString::number(row.first, 16); });
}

// The main door screen asks for mode 1 unless the record reports exactly one
// of the build's modes; it shows mode buttons only where the build has them.
void TestRules::modeOneAsked()
{
    using Asked = QPair<quint8, bool>;
    QFETCH(Asked, row);
    PanelHarness panel;
    panel.click("pushButton");
    panel.send('v', Frames::config());
    panel.send('i', ownInfo({{10, row.first}}));
    panel.written();
    const QByteArray modeOne = Frames::modeSwitch(rows().modeMasks.first().second);
    QCOMPARE(hexOf(panel.poll()), row.second ? hexOf(modeOne) : QByteArray());
    for (int mode = 1; mode <= 7; ++mode) {
        const QString name = QStringLiteral("btnMode%1").arg(mode);
        QVERIFY2(!seen(panel, name) || rows().modeButtons, qPrintable(name));
    }
    QVERIFY(seen(panel, "btnMode1") == rows().modeButtons);
}

void TestRules::openHeldToOpen()
{
    if (!rows().holdToOpen)
        QSKIP("this build's main door screen has no \"Open\" button");

    PanelHarness panel;
    panel.click("pushButton");
    panel.send('v', Frames::config({{34, 0x01}}));
    panel.send('i', ownInfo({{10, rows().oneModeReported}}));
    panel.written();

    QAbstractButton *open = panel.button("btnOpen");
    QVERIFY(open->isVisible());
    const QString plain = Looks::shown(open);
    QTest::mousePress(open, Qt::LeftButton);
    QVERIFY(Looks::shown(open).contains(Looks::Lit));
    QCOMPARE(hexOf(panel.poll()), hexOf(Frames::command(CmdOpen)));
    // Records go on while the finger holds: still lit, nothing sent again.
    panel.send('i', ownInfo({{10, rows().oneModeReported}}));
    QVERIFY(Looks::shown(open).contains(Looks::Lit));
    QCOMPARE(hexOf(panel.poll()), QByteArray());

    QTest::mouseRelease(open, Qt::LeftButton);
    QCOMPARE(Looks::shown(open), plain);
    QCOMPARE(hexOf(panel.poll()), QByteArray());
}

void TestRules::ioMenu_data()
{
    tableRows(Rows::io().menu, [](const Rows::IoMenu &row) { return nameOf(row.name); });
}

// The menu's entries, and "next part" on the main outputs, under "noextension".
void TestRules::ioMenu()
{
    QFETCH(Rows::IoMenu, row);
    PanelHarness panel(row.settings);
    panel.segue("io");
    QStringList shown;
    for (const char *name : {"btnTimes", "btnPositions", "btnSetDateTime", "btnSetDateTime_2", "btnMode3_3",
                             "btnMode4_3", "btnMode4_4", "btnBack_2"}) {
        if (panel.button(name)->isVisible())
            shown << panel.button(name)->text();
    }
    QCOMPARE(shown, row.entries);
    panel.click("btnMode3_3");
    QCOMPARE(panel.button("btnNext")->isVisible(), row.outputsNext);
}

void TestRules::ioPage_data()
{
    tableRows(Rows::io().pages, [](const Rows::IoPageButtons &row) { return nameOf(row.page); });
}

// A page shows the rows it has lamps for, and its page buttons.
void TestRules::ioPage()
{
    QFETCH(Rows::IoPageButtons, row);
    PanelHarness panel;
    panel.segue(row.page);
    QVector<int> lamped, shown;
    for (const Rows::IoLamp &lamp : Rows::io().lamps) {
        if (QLatin1String(row.page) == QLatin1String(lamp.page) && !lamped.contains(lamp.row))
            lamped << lamp.row;
    }
    for (int n = 0; n < IoPage::RowCount; ++n) {
        if (panel.widget<QLabel>(QStringLiteral("lbl%1").arg(n))->isVisible())
            shown << n;
    }
    std::sort(lamped.begin(), lamped.end());
    QCOMPARE(shown, lamped);
    QCOMPARE(panel.button("btnPrev")->isVisible(), row.previous);
    QCOMPARE(panel.button("btnNext")->isVisible(), row.next);
}

void TestRules::ioRowFollowsItsBit_data()
{
    tableRows(Rows::io().lamps, [](const Rows::IoLamp &lamp) {
        return QStringLiteral("%1 row %2, group %3 bit %4").arg(lamp.page).arg(lamp.row + 1).arg(lamp.group).arg(lamp.bit);
    });
}

// Lit at the configured active level, not at the other, never without a
// configuration block; bits 16 to 31 of a group are active when set.
void TestRules::ioRowFollowsItsBit()
{
    QFETCH(Rows::IoLamp, row);
    PanelHarness panel;
    panel.segue(row.page);
    const auto lit = [&] { return lime(panel.widget<QLabel>(QStringLiteral("lbl%1").arg(row.row))); };
    for (bool value : {true, false}) {
        panel.send('i', ioRecord(row.group, 1, row.bit, value));
        QVERIFY(!lit());
    }
    for (int level : {1, 0}) {
        panel.send('v', ioLevels(row.group, level));
        const bool active = level || (row.group > 0 && row.bit >= 16);
        panel.send('i', ioRecord(row.group, level, row.bit, active));
        QVERIFY2(lit(), qPrintable(QStringLiteral("level %1").arg(level)));
        panel.send('i', ioRecord(row.group, level, row.bit, !active));
        QVERIFY2(!lit(), qPrintable(QStringLiteral("level %1").arg(level)));
    }
}

void TestRules::ioPageTurnsKeepOneHistoryEntry_data()
{
    tableRows(Rows::io().turns, [](const Rows::IoTurns &row) { return nameOf(row.name); });
}

// Page turns are in place: "<-- back" returns to the I/O menu.
void TestRules::ioPageTurnsKeepOneHistoryEntry()
{
    QFETCH(Rows::IoTurns, row);
    PanelHarness panel;
    panel.setLevel(1);
    panel.segue("utilities");
    panel.click("btnService");
    panel.click("btnIO");
    for (const QString &step : row.steps) {
        if (step.startsWith('>'))
            panel.window().segue(step.mid(1), true);
        else
            panel.click(step);
    }
    QCOMPARE(panel.window().navigationHistory(), QStringList({"start", "utilities", "service", "io", row.page}));
    panel.click("btnBack");
    QCOMPARE(panel.screenName(), QString("io"));
}

void TestRules::extensionOutputRelabel_data()
{
    tableRows(Rows::io().relabels, [](const QPair<QByteArray, bool> &row) { return QString::fromLatin1(hexOf(row.first)); });
}

// Whether a record, as the build takes it, renames row 5 of the extension
// outputs (tst_service shows the new name).
void TestRules::extensionOutputRelabel()
{
    using Relabel = QPair<QByteArray, bool>;
    QFETCH(Relabel, row);
    DoorControl door;
    QByteArray record = Frames::info();
    record.replace(0, row.first.size(), row.first);
    door.setInfo(record);
    QCOMPARE(Out0_1::table().relabel.appliesTo(door), row.second);
}

void TestRules::paramButtons_data()
{
    tableRows(rows().paramButtons, [](const Rows::ParamButtons &row) {
        return QStringLiteral("%1, type %2").arg(row.screen, QString::fromLatin1(hexOf(row.type)));
    });
}

// The record is put straight into the door state: a build may not take a
// record of that controller type from the line at all.
void TestRules::paramButtons()
{
    QFETCH(Rows::ParamButtons, row);
    PanelHarness panel;
    panel.screen()->doorControl->info = ownInfo().replace(0, row.type.size(), row.type);
    panel.setLevel(BaseFrame::LevelAdmin);
    panel.segue(row.screen);
    const QStringList all = {"btnSetBlackoutTime", "btnSetDockingTime", "btnSetPreAlarmTime", "btnSetReClosingTime",
                             "btnSetSafetyStroke", "btnSetOpeningTimeSafetyStrip", "btnOpenSlowDist",
                             "btnCloseSlowDist", "btnOpenSensOffDist", "btnCloseSensOffDist"};
    for (const QString &name : all)
        QVERIFY2(seen(panel, name) == row.shown.contains(name), qPrintable(name));
}

void TestRules::paramWriteBack_data()
{
    tableRows(rows().paramEdits, [](const Rows::ParamEdit &row) { return QStringLiteral("%1 %2").arg(row.screen, row.button); });
}

// Back sends the block with that row's bytes changed and every other byte,
// hidden rows' included, as the controller sent it.
void TestRules::paramWriteBack()
{
    QFETCH(Rows::ParamEdit, row);
    const Rows::ParamEdit &edit = row;

    QByteArray block = Frames::config();
    for (int at = 20; at < 100; ++at)
        block[at] = static_cast<char>(at * 7 + 1);
    const auto setField = [&block, &edit](int value) {
        for (int i = 0; i < edit.width; ++i)
            block[edit.byte + i] = static_cast<char>(value >> (8 * i));
    };
    setField(edit.start);
    PanelHarness panel;
    panel.setLevel(BaseFrame::LevelAdmin);
    panel.segue(edit.screen);
    panel.send('v', block);
    panel.send('i', ownInfo());
    panel.written();

    ModalDriver driver({edit.step, "btnEnter"}, &panel.window());
    panel.click(edit.button);
    QVERIFY(driver.done());
    panel.click("btnBack");
    setField(edit.written);
    QCOMPARE(hexOf(panel.poll()), hexOf(panelFrame('W', block)));
}

void TestRules::paramNotWrittenBackUnlessWhole_data()
{
    QTest::addColumn<Rows::ParamEdit>("row");
    QTest::addColumn<QByteArray>("block");
    const Rows::ParamEdit &edit = rows().paramEdits.first();
    QTest::addRow("%s %s, no block yet", edit.screen, edit.button) << edit << QByteArray();
    QTest::addRow("%s %s, short block", edit.screen, edit.button) << edit << Frames::config().left(60);
}

// Without a whole block from the controller (only the start image, or a
// short block), an edit and back send no block; with none held, the
// configuration request still waits.
void TestRules::paramNotWrittenBackUnlessWhole()
{
    QFETCH(Rows::ParamEdit, row);
    QFETCH(QByteArray, block);
    PanelHarness panel;
    panel.setLevel(BaseFrame::LevelAdmin);
    panel.segue(row.screen);
    if (!block.isEmpty())
        panel.send('v', block);
    panel.send('i', ownInfo());
    panel.written();

    ModalDriver driver({row.step, "btnEnter"}, &panel.window());
    panel.click(row.button);
    QVERIFY(driver.done());
    panel.click("btnBack");
    QCOMPARE(hexOf(panel.poll()), hexOf(block.isEmpty() ? Frames::command(CmdRequestConfig) : QByteArray()));
}

void TestRules::logoutLeavesSettingsScreens_data()
{
    QTest::addColumn<QString>("button");
    for (const QString &button : rows().settingsMenu.last()) {
        if (button != QLatin1String("btnDeadman"))
            QTest::newRow(qPrintable(button)) << button;
    }
}

// A logout on any screen the settings menu leads to leaves that screen and
// the menu at once, and sends nothing: a change that back has not sent yet
// stays unsent.
void TestRules::logoutLeavesSettingsScreens()
{
    QFETCH(QString, button);
    const Rows::ParamEdit &edit = rows().paramEdits.first();
    PanelHarness panel;
    panel.segue("utilities");
    panel.setLevel(BaseFrame::LevelAdmin);
    panel.segue("settings");
    panel.click(button);
    panel.send('v', Frames::config());
    panel.send('i', ownInfo());
    if (panel.screenName() == QLatin1String(edit.screen)) {
        ModalDriver driver({edit.step, "btnEnter"}, &panel.window());
        panel.click(edit.button);
        QVERIFY(driver.done());
    }
    panel.written();

    panel.click("btnUser");
    QCOMPARE(panel.window().navigationHistory(), QStringList({"start", "utilities"}));
    QCOMPARE(hexOf(panel.poll()), QByteArray());
}

// Each level's buttons; a logout leaves the menu at once.  "Deadman", where
// shown, sends command 3; shown or not, it is lit while the controller
// reports the deadman function on.
void TestRules::settingsMenu()
{
    const QStringList all = {"btnPositions", "btnTimes", "btnSetDateTime", "btnSensors", "btnMode3", "btnLayout",
                             "btnSpeed", "btnCurrent", "btnRamp", "btnDeadman", "btnMode3_3", "btnMode4_3"};
    for (int level = BaseFrame::LevelService; level <= BaseFrame::LevelAdmin; ++level) {
        const QStringList &shown = rows().settingsMenu.at(level - 1);
        PanelHarness panel;
        panel.segue("utilities");
        panel.setLevel(level);
        panel.segue("settings");
        for (const QString &name : all)
            QVERIFY2(seen(panel, name) == shown.contains(name), qPrintable(QStringLiteral("%1 %2").arg(level).arg(name)));

        panel.send('i', ownInfo({{27, 0x01}}));
        QVERIFY(Looks::shown(panel.button("btnDeadman")).contains(Looks::Lit));
        panel.send('i', ownInfo());
        QVERIFY(!Looks::shown(panel.button("btnDeadman")).contains(Looks::Lit));
        panel.written();
        if (shown.contains("btnDeadman")) {
            panel.click("btnDeadman");
            QCOMPARE(hexOf(panel.poll()), hexOf(Frames::command(CmdDeadman)));
        }
        panel.setLevel(0);
        QCOMPARE(panel.screenName(), QStringLiteral("utilities"));
    }
}

// Each level sees the switches of its rows and flips those it sees: back
// writes the key each keeps, while a key without a switch stays in the file
// as it was.
void TestRules::layoutSwitches()
{
    for (int level = BaseFrame::LevelService; level <= BaseFrame::LevelAdmin; ++level) {
        PanelHarness panel("[General]\nnoextension=true\nnomodes2_6=true\n");
        panel.setLevel(level);
        panel.segue("layout");
        QStringList flipped;
        for (const char *button : {"btnNoExtension", "btnNoModes2_6"}) {
            bool shown = false;
            for (const Rows::LayoutSwitch &row : rows().layoutSwitches)
                shown = shown || (QLatin1String(row.button) == QLatin1String(button) && level >= row.minLevel);
            QVERIFY2(seen(panel, button) == shown, button);
        }
        for (const Rows::LayoutSwitch &row : rows().layoutSwitches) {
            if (seen(panel, row.button)) {
                panel.click(row.button);
                flipped << row.key;
            }
        }
        panel.click("btnBack");

        QSettings file(panel.workingDirectory() + QStringLiteral("/kelvaron.ini"), QSettings::IniFormat);
        QCOMPARE(file.allKeys().size(), 5); // with the names and the layout
        for (const QString key : {"noextension", "nomodes2_6"})
            QVERIFY2(file.value(key).toBool() == !flipped.contains(key), qPrintable(key));
    }
}

QTEST_MAIN(TestRules)
void TestRules::repaintsLeaveAFullPaint_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QVector<Rows::Bytes>>("frames"); // records sent in turn
    QTest::addColumn<bool>("blink");                 // a blink step after each

    quint8 modes[2] = {0, 0};
    for (int i = 0; i < 2 && i < OperatingMode::all().size(); ++i)
        modes[i] = static_cast<quint8>(1u << OperatingMode::all().at(i).lampBit);
    const QVector<Rows::Bytes> moving = {{{3, 0x02}, {6, 0x00}}, {{6, 0x00}}, {{3, 0x04}, {6, 0x00}}, {}};
    const QVector<Rows::Bytes> events = {{{7, 0x10}}, {}};
    QTest::newRow("main door screen, mode") << "standard" << QVector<Rows::Bytes>{{{10, modes[1]}}, {}} << false;
    QTest::newRow("main door screen, fault") << "standard" << QVector<Rows::Bytes>{{{2, 0x20}}, {}} << false;
    QTest::newRow("main door screen, moving") << "standard" << moving << false;
    QTest::newRow("main door screen, alarms") << "standard" << QVector<Rows::Bytes>{{{6, 0x21}, {7, 0x12}}} << true;
    QTest::newRow("hold-to-run screen, moving") << "totmann" << moving << false;
    QTest::newRow("inputs, moving") << "in0_0" << moving << false;
    QTest::newRow("utilities, control off") << "utilities" << QVector<Rows::Bytes>{{{2, 0x02}}, {}} << true;
    QTest::newRow("log, events") << "eventlog" << events << true;
}

// What frames and blink steps leave on the screen is what painting it
// afresh gives: nothing that paints itself alone leaves pixels unpainted.
void TestRules::repaintsLeaveAFullPaint()
{
    QFETCH(QString, screen);
    QFETCH(QVector<Rows::Bytes>, frames);
    QFETCH(bool, blink);

    // The panel's style, as its program sets it.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    const quint8 holdToRun = screen == QLatin1String("totmann") ? 0x01 : 0x00;
    const auto record = [&](const Rows::Bytes &bytes) {
        Rows::Bytes all = {{6, 0x01}, {10, rows().oneModeReported}, {26, 0x05}, {27, holdToRun}};
        return ownInfo(all << bytes);
    };
    PanelHarness panel;
    panel.send('v', Frames::config());
    panel.send('i', record({}));
    panel.setLevel(BaseFrame::LevelAdmin);
    panel.segue(screen);
    QCOMPARE(panel.screenName(), screen);
    MainWindow &window = panel.window();
    for (int round = 0; round < 2; ++round) {
        for (const Rows::Bytes &bytes : frames) {
            panel.send('i', record(bytes));
            if (blink)
                window.blinkEvent();
            QCoreApplication::processEvents();
            const QImage shown = window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(shown, window.grab().toImage().convertToFormat(QImage::Format_RGB32));
        }
    }
}

namespace {

// A stock widget in `original`'s place and under it: its class, what its
// form and screen gave it (every property Designer offers, and whether it is
// held down) and, as its style sheet, the sheet `original` shows.
QWidget *stockTwin(QWidget *original)
{
    QWidget *parent = original->parentWidget();
    QWidget *twin = qobject_cast<QLabel *>(original) ? static_cast<QWidget *>(new QLabel(parent))
                                                      : new QPushButton(parent);
    const QByteArrayList lookOwn = {"objectName", "styleSheet", "palette", "autoFillBackground", "font"};
    const QMetaObject *meta = twin->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        const QVariant value = property.read(original);
        if (property.isDesignable() && property.isWritable() && !lookOwn.contains(property.name())
            && value != property.read(twin))
            property.write(twin, value);
    }
    if (original->testAttribute(Qt::WA_SetFont))
        twin->setFont(original->font());
    if (auto *button = qobject_cast<QAbstractButton *>(original))
        static_cast<QAbstractButton *>(twin)->setDown(button->isDown());
    twin->setStyleSheet(Looks::shown(original));
    twin->stackUnder(original);
    return twin;
}

} // namespace

void TestRules::looksAsStockWidgets_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("level");
    QTest::addColumn<Rows::Bytes>("config");          // set in the configuration block
    QTest::addColumn<QVector<Rows::Bytes>>("frames"); // records sent in turn
    QTest::addColumn<QString>("held");                // a button held down, where the screen has it
    QTest::addColumn<int>("blinks");                  // blink steps last

    const auto row = [](const QByteArray &name, const char *screen, int level, const Rows::Bytes &config,
                        const QVector<Rows::Bytes> &frames, const char *held = "", int blinks = 0) {
        QTest::newRow(name.constData()) << screen << level << config << frames << held << blinks;
    };
    quint8 everyLamp = 0;
    for (const OperatingMode &mode : OperatingMode::all())
        everyLamp |= static_cast<quint8>(1u << mode.lampBit);
    const Rows::Bytes exitOnlyAllowed = {{34, 0x01}};
    const Rows::Bytes locked = {{2, 0x02}};
    row("status line on silver, a mode lit", "standard", 0, {}, {{}});
    row("status line seaworthy", "standard", 0, {}, {{{26, 0x03}, {6, 0x11}, {8, 0x08}}});
    row("status line, error", "standard", 0, {}, {{{2, 0x20}}});
    row("status line, warning", "standard", 0, {}, {{{2, 0x08}}});
    row("status line, error then silver", "standard", 0, {}, {{{2, 0x20}}, {}});
    row("no mode lit", "standard", 0, {}, {{{10, 0x00}}});
    row("every mode lit", "standard", 0, exitOnlyAllowed, {{{10, everyLamp}}});
    row("exit only allowed and lit", "standard", 0, exitOnlyAllowed, {{{10, 0x40}}});
    row("exit only not allowed", "standard", 0, {}, {{{10, 0x40}}});
    row("locked, struck through", "standard", 0, exitOnlyAllowed, {locked});
    row("locked, then a mode lit", "standard", 0, {}, {locked, {}});
    row("Open held", "standard", 0, {}, {{}}, "btnOpen");
    row("Open held, then locked", "standard", 0, {}, {{}, locked}, "btnOpen");
    // Blink steps: the first shows the dark phase (text hidden or red), the
    // second the bright one, the third the dark one again.
    const char *phases[] = {"dark", "bright", "dark again"};
    for (int blinks = 1; blinks <= 3; ++blinks) {
        const QByteArray phase = QByteArray(", ") + phases[blinks - 1];
        row("message button" + phase, "standard", 0, {}, {{}, {{7, 0x10}}}, "", blinks);
        row("fire" + phase, "standard", 0, {}, {{{6, 0x21}}}, "", blinks);
        row("fire and pirate, an event" + phase, "standard", 0, {}, {{}, {{6, 0x21}, {7, 0x12}}}, "", blinks);
        row("fire on the utilities menu" + phase, "utilities", 1, {}, {{{6, 0x21}}}, "", blinks);
        row("security system" + phase, "standard", 0, {}, {{{7, 0x02}}}, "", blinks);
        row("security system, sealing asked" + phase, "standard", 0, {}, {{{7, 0x02}, {14, 0x02}, {18, 0x02}, {27, 0x02}}},
            "", blinks);
        row("security system, extern sealing" + phase, "standard", 0, {}, {{{7, 0x02}, {18, 0x02}}}, "", blinks);
    }
    row("hold-to-run, lit", "totmann", 0, {}, {{{6, 0x00}, {8, 0x08}}});
    row("hold-to-run, out again", "totmann", 0, {}, {{{6, 0x00}, {8, 0x08}}, {{6, 0x01}}});
    row("inputs, half lit", "in0_0", 3, {}, {{{6, 0x55}, {7, 0x02}}});
    row("inputs, lit and out again", "in0_0", 3, {}, {{{6, 0xFF}, {7, 0xFF}}, {{6, 0x00}, {7, 0x00}}});
    row("outputs", "out0_0", 3, {}, {{{8, 0x05}}});
    row("extension inputs", "in0_1", 3, {}, {{{14, 0x33}, {15, 0x0F}}});
    row("utilities, control on", "utilities", 1, {}, {{{2, 0x01}}});
    row("utilities, control off", "utilities", 1, {}, {{{2, 0x02}}});
    row("service, control on", "service", 1, {}, {{}});
    row("settings, deadman", "settings", 1, {}, {{{27, 0x01}}});
    row("settings, deadman out again", "settings", 1, {}, {{{27, 0x01}}, {{27, 0x00}}});
    row("sensors, some on", "sensors", 1, {}, {{{27, 0x05}}});
    row("sensors, off then on", "sensors", 1, {}, {{{27, 0x0F}}, {{27, 0x00}}});
    row("layout", "layout", 3, {}, {{}});
}

// Every widget a screen switches looks, in every state and blink phase, as
// a stock widget of its class in its place given the sheet it shows: each
// label and push button of the screen is compared with its stock twin.
void TestRules::looksAsStockWidgets()
{
    QFETCH(QString, screen);
    QFETCH(int, level);
    QFETCH(Rows::Bytes, config);
    QFETCH(QVector<Rows::Bytes>, frames);
    QFETCH(QString, held);
    QFETCH(int, blinks);

    // The panel's style, as its program sets it.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    PanelHarness panel;
    if (!panel.screen(screen))
        QSKIP("this build has no such screen");
    QByteArray block = Frames::config();
    for (const auto &value : config)
        block[value.first] = static_cast<char>(value.second);
    panel.send('v', block);
    const quint8 holdToRun = screen == QLatin1String("totmann") ? 0x01 : 0x00;
    const auto record = [&](const Rows::Bytes &bytes) {
        Rows::Bytes all = {{6, 0x01}, {10, rows().oneModeReported}, {26, 0x05}, {27, holdToRun}};
        return ownInfo(all << bytes);
    };
    panel.send('i', record({}));
    panel.setLevel(level);
    panel.segue(screen);
    QCOMPARE(panel.screenName(), screen);
    for (const Rows::Bytes &bytes : frames)
        panel.send('i', record(bytes));
    if (QAbstractButton *button = panel.button(held))
        QTest::mousePress(button, Qt::LeftButton);
    MainWindow &window = panel.window();
    for (int i = 0; i < blinks; ++i)
        window.blinkEvent();
    const QImage shown = window.grab().toImage();

    QList<QWidget *> originals;
    const auto widgets = panel.screen()->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (widget->isVisible() && (qobject_cast<QLabel *>(widget) || qobject_cast<QPushButton *>(widget)))
            originals << widget;
    }
    const QWidget *focused = QApplication::focusWidget();
    QWidget *focusedTwin = nullptr;
    for (QWidget *original : qAsConst(originals)) {
        QWidget *twin = stockTwin(original);
        if (original == focused)
            focusedTwin = twin;
        original->hide();
        twin->show();
    }
    if (focusedTwin)
        focusedTwin->setFocus();
    const QImage stock = window.grab().toImage();
    QStringList unlike;
    for (QWidget *original : qAsConst(originals)) {
        const QRect place(original->mapTo(&window, QPoint()), original->size());
        if (shown.copy(place) != stock.copy(place))
            unlike << original->objectName() + QStringLiteral(" (") + Looks::shown(original) + ')';
    }
    QVERIFY2(unlike.isEmpty(), qPrintable(unlike.join(QStringLiteral(", "))));
}

#include "tst_rules.moc"
