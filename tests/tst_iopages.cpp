// The I/O menu and the five live I/O pages of build A, driven through the
// real main window with the test playing the door controller.

#include "mainwindow.h"
#include "panelharness.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

constexpr int MainWord = -1;

// Type byte and byte 1 of each record sent.
using TypeBytes = QList<QPair<int, int>>;

// Where each I/O word lies in the information record, and its active levels
// in the configuration block.
int wordByte(int group)
{
    return group == MainWord ? 6 : group == 1 ? 14 : 18;
}

int levelsByte(int group)
{
    return group == MainWord ? 16 : group == 1 ? 70 : 82;
}

// A record whose I/O word of `group` has every bit inactive for active level
// `level`, but `bit`, which is `value`.
QByteArray record(int group, int level, int bit, bool value)
{
    quint32 word = level ? 0u : group == MainWord ? 0xFFFFFFFFu : 0x0000FFFFu;
    word = value ? word | (1u << bit) : word & ~(1u << bit);
    QByteArray info = Frames::info();
    for (int i = 0; i < 4; ++i)
        info[wordByte(group) + i] = static_cast<char>(word >> (8 * i));
    return info;
}

QByteArray configWithLevel(int group, int level)
{
    QByteArray block = Frames::config();
    const int bytes = group == MainWord ? 4 : 2;
    for (int i = 0; i < bytes; ++i)
        block[levelsByte(group) + i] = static_cast<char>(level ? 0xFF : 0x00);
    return block;
}

bool lit(PanelHarness &panel, const QString &indicator)
{
    auto *label = panel.widget<QLabel>(indicator);
    return label && label->styleSheet().contains(QLatin1String("background-color: lime"));
}

const QStringList MenuEntries = {"btnTimes", "btnPositions", "btnSetDateTime", "btnSetDateTime_2",
                                 "btnMode3_3", "btnMode4_3", "btnMode4_4", "btnBack_2"};

QStringList shownEntries(PanelHarness &panel)
{
    QStringList shown;
    for (const QString &name : MenuEntries) {
        if (panel.button(name)->isVisible())
            shown << name;
    }
    return shown;
}

void setNoExtension(PanelHarness &panel, const QByteArray &value)
{
    QFile file(panel.workingDirectory() + QStringLiteral("/kelvaron.ini"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[General]\nnoextension=" + value + "\n");
}

} // namespace

class TestIoPages : public QObject
{
    Q_OBJECT

private slots:
    void rowFollowsItsBit_data();
    void rowFollowsItsBit();
    void extensionOutputRelabel_data();
    void extensionOutputRelabel();
    void noExtensionReadOnEntry_data();
    void noExtensionReadOnEntry();
    void pageTurnsKeepOneHistoryEntry_data();
    void pageTurnsKeepOneHistoryEntry();
};

void TestIoPages::rowFollowsItsBit_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("indicator");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("bit");

    const auto row = [](const char *page, int row, int group, int bit) {
        QTest::addRow("%s row %d, %s bit %d", page, row + 1, group == MainWord ? "main" : group == 1 ? "group 1" : "group 2", bit)
            << QString(page) << QStringLiteral("lbl%1").arg(row) << group << bit;
    };
    for (int n = 0; n < 10; ++n)
        row("in0_0", n, MainWord, n);
    for (int n = 0; n < 2; ++n)
        row("in0_1", n, 1, n);
    for (int n = 0; n < 4; ++n)
        row("out0_0", n, MainWord, 16 + n);
    for (int n = 0; n < 5; ++n)
        row("out0_1", n, 1, 8 + n);
    row("out0_2", 0, 2, 8);
    row("out0_2", 1, 2, 9);
    row("out0_2", 1, 2, 17);
    row("out0_2", 2, 2, 10);
    row("out0_2", 2, 2, 18);
}

// A row lights while its bit is at the configured active level, and never
// while no configuration block is held.  The upper half of a group word is
// active when set, whatever the levels.
void TestIoPages::rowFollowsItsBit()
{
    QFETCH(QString, page);
    QFETCH(QString, indicator);
    QFETCH(int, group);
    QFETCH(int, bit);

    PanelHarness panel;
    panel.segue(page);
    QCOMPARE(panel.screenName(), page);
    for (bool value : {true, false}) {
        panel.send('i', record(group, 1, bit, value));
        QVERIFY2(!lit(panel, indicator), "lit with no configuration block");
    }

    const bool upperHalf = group != MainWord && bit >= 16;
    for (int level : {1, 0}) {
        panel.send('v', configWithLevel(group, level));
        const bool active = upperHalf || level;
        panel.send('i', record(group, level, bit, active));
        QVERIFY2(lit(panel, indicator), qPrintable(QStringLiteral("not lit at active level %1").arg(level)));
        panel.send('i', record(group, level, bit, !active));
        QVERIFY2(!lit(panel, indicator), qPrintable(QStringLiteral("lit at inactive level %1").arg(level)));
    }
}

void TestIoPages::extensionOutputRelabel_data()
{
    QTest::addColumn<TypeBytes>("types");
    QTest::addColumn<QString>("name");

    using Types = TypeBytes;
    const QString closed = QStringLiteral(" Door Closed");
    const QString inside = QStringLiteral(" Open From Inside");
    QTest::newRow("no record") << Types{} << closed;
    QTest::newRow("0x18") << Types{{0x18, 0}} << inside;
    QTest::newRow("0x19") << Types{{0x19, 0}} << closed;
    QTest::newRow("0x1F") << Types{{0x1F, 0}} << closed;
    QTest::newRow("0xAB, byte 1 0x08") << Types{{0xAB, 0x08}} << inside;
    QTest::newRow("0xAB, byte 1 0x09") << Types{{0xAB, 0x09}} << closed;
    QTest::newRow("0xAB 0x08, then 0x19") << Types{{0xAB, 0x08}, {0x19, 0}, {0x19, 0}} << inside;
}

// Once relabelled, row 5 keeps its new name.
void TestIoPages::extensionOutputRelabel()
{
    QFETCH(TypeBytes, types);
    QFETCH(QString, name);

    PanelHarness panel;
    panel.segue("out0_1");
    for (const auto &type : types)
        panel.send('i', Frames::info({{0, static_cast<quint8>(type.first)}, {1, static_cast<quint8>(type.second)}}));
    QCOMPARE(panel.widget<QLabel>("lblStatus_11")->text(), name);
}

void TestIoPages::noExtensionReadOnEntry_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<bool>("extension");

    QTest::newRow("no settings file") << QByteArray() << true;
    QTest::newRow("noextension false") << QByteArray("[General]\nnoextension=false\n") << true;
    QTest::newRow("noextension true") << QByteArray("[General]\nnoextension=true\n") << false;
}

// The I/O menu offers the main inputs and outputs, and the extension outputs
// unless "noextension"; "next part" on the main outputs follows the same key.
// Both read it on entry only.
void TestIoPages::noExtensionReadOnEntry()
{
    QFETCH(QByteArray, settings);
    QFETCH(bool, extension);

    PanelHarness panel(settings);
    panel.setLevel(1);
    panel.segue("io");
    const QStringList main = {"btnTimes", "btnMode3_3"};
    const QStringList withExtension = {"btnTimes", "btnMode3_3", "btnMode4_3"};
    QCOMPARE(shownEntries(panel), extension ? withExtension : main);

    panel.click("btnMode3_3");
    QCOMPARE(panel.screenName(), QString("out0_0"));
    QCOMPARE(panel.button("btnNext")->isVisible(), extension);

    // A changed setting shows only on the next entry.
    setNoExtension(panel, extension ? "true" : "false");
    panel.send('i', Frames::info());
    QCOMPARE(panel.button("btnNext")->isVisible(), extension);
    panel.click("btnBack");
    QCOMPARE(shownEntries(panel), extension ? main : withExtension);
    panel.click("btnMode3_3");
    QCOMPARE(panel.button("btnNext")->isVisible(), !extension);
}

void TestIoPages::pageTurnsKeepOneHistoryEntry_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("page");

    QTest::newRow("main inputs") << QStringList{"btnTimes"} << "in0_0";
    QTest::newRow("main outputs, next, previous") << QStringList{"btnMode3_3", "btnNext", "btnPrev"} << "out0_0";
    QTest::newRow("main outputs, next, previous, next") << QStringList{"btnMode3_3", "btnNext", "btnPrev", "btnNext"} << "out0_1";
    QTest::newRow("extension outputs, previous") << QStringList{"btnMode4_3", "btnPrev"} << "out0_0";
    // Pages that nothing visible leads to in this build.
    QTest::newRow("main inputs, extension inputs, previous") << QStringList{"btnTimes", ">in0_1", "btnPrev"} << "in0_0";
    QTest::newRow("extension outputs, extension 2, previous twice")
        << QStringList{"btnMode4_3", ">out0_2", "btnPrev", "btnPrev"} << "out0_0";
}

// Turning pages replaces the page in the history, so "<-- back" always
// returns to the I/O menu.
void TestIoPages::pageTurnsKeepOneHistoryEntry()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, page);

    PanelHarness panel;
    panel.setLevel(1);
    panel.segue("service");
    panel.click("btnIO");
    for (const QString &step : steps) {
        if (step.startsWith('>')) {
            panel.window().segue(step.mid(1), true);
            continue;
        }
        QVERIFY2(panel.button(step)->isVisible(), qPrintable(step));
        panel.click(step);
    }
    QCOMPARE(panel.screenName(), page);
    QCOMPARE(panel.window().navigationHistory(), QStringList({"start", "service", "io", page}));

    panel.click("btnBack");
    QCOMPARE(panel.screenName(), QString("io"));
    panel.click("btnBack");
    QCOMPARE(panel.screenName(), QString("service"));
}

QTEST_MAIN(TestIoPages)
#include "tst_iopages.moc"
