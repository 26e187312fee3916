#include "adjust.h"
#include "fakepanelclock.h"
#include "mainwindow.h"
#include "panelharness.h"
#include "textedit.h"

#include <QApplication>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

// The settings menu, the layout screen with the settings file it writes,
// the on-screen keyboard, and the date-and-time screen on the clock's double.
class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void levelRules_data();
    void levelRules();
    void menuLeadsTo_data();
    void menuLeadsTo();
    void settingsFile_data();
    void settingsFile();
    void keyboard_data();
    void keyboard();
    void setClock_data();
    void setClock();
};

namespace {

// Presses keyboard keys, by caption or by object name, once the keyboard is
// open.
void typeOnKeyboard(const QStringList &keys)
{
    QTimer::singleShot(0, [keys] {
        auto *keyboard = qobject_cast<Textedit *>(QApplication::activeModalWidget());
        if (!keyboard)
            return;
        for (const QString &key : keys) {
            QAbstractButton *button = keyboard->findChild<QAbstractButton *>(key);
            for (QAbstractButton *candidate : keyboard->findChildren<QAbstractButton *>()) {
                if (!button && candidate->text() == key)
                    button = candidate;
            }
            QTest::mouseClick(button, Qt::LeftButton);
        }
    });
}

} // namespace

// Rows: screen, level, the buttons shown and the buttons hidden there.
void TestSettings::levelRules_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("level");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("hidden");

    const QStringList serviceEntries = {"btnPositions", "btnSetDateTime", "btnSensors", "btnLayout", "btnSpeed", "btnRamp"};
    const QStringList engineerEntries = {"btnTimes", "btnCurrent"};
    const QStringList neverShown = {"btnDeadman", "btnMode3_3", "btnMode4_3", "lblFire"};
    QTest::newRow("settings, Service") << "settings" << 1 << serviceEntries << engineerEntries + neverShown;
    QTest::newRow("settings, Engineer") << "settings" << 2 << serviceEntries + engineerEntries << neverShown;
    QTest::newRow("settings, Admin") << "settings" << 3 << serviceEntries + engineerEntries << neverShown;
    QTest::newRow("layout, Service") << "layout" << 1 << QStringList{"btnNoModes2_6"} << QStringList{"btnNoExtension", "lblFire"};
    QTest::newRow("layout, Engineer") << "layout" << 2 << QStringList{"btnNoModes2_6"} << QStringList{"btnNoExtension"};
    QTest::newRow("layout, Admin") << "layout" << 3 << QStringList{"btnNoModes2_6", "btnNoExtension"} << QStringList{};
}

void TestSettings::levelRules()
{
    QFETCH(QString, screen);
    QFETCH(int, level);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, hidden);

    PanelHarness panel;
    panel.segue(QStringLiteral("utilities"));
    panel.setLevel(level);
    panel.segue(screen);
    QCOMPARE(panel.screenName(), screen);
    for (const QString &name : shown)
        QVERIFY2(panel.widget<QWidget>(name)->isVisible(), qPrintable(name));
    for (const QString &name : hidden)
        QVERIFY2(!panel.widget<QWidget>(name)->isVisible(), qPrintable(name));

    // A logout on the menu leaves it at once; the layout screen stays.
    panel.setLevel(0);
    QCOMPARE(panel.screenName(), screen == QLatin1String("settings") ? QStringLiteral("utilities") : screen);
}

void TestSettings::menuLeadsTo_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("screen");
    for (const char *screen : {"positions", "times", "setdatetime", "sensors", "layout", "speed", "current", "ramp"}) {
        const QString name = QLatin1String(screen);
        const QString button = name == QLatin1String("setdatetime") ? QStringLiteral("btnSetDateTime")
                                                                     : QStringLiteral("btn") + name[0].toUpper() + name.mid(1);
        QTest::newRow(screen) << button << name;
    }
}

void TestSettings::menuLeadsTo()
{
    QFETCH(QString, button);
    QFETCH(QString, screen);

    PanelHarness panel;
    panel.setLevel(3);
    panel.segue(QStringLiteral("settings"));
    QSignalSpy segues(panel.screen(), &BaseFrame::segue);
    panel.click(button);
    QCOMPARE(segues.count(), 1);
    QCOMPARE(segues.at(0).at(0).toString(), screen);
}

// Rows: the file before, the taps on the layout screen (a name tap is
// followed by the keyboard keys in braces), the keys written by back.
void TestSettings::settingsFile_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QStringList>("taps");
    QTest::addColumn<QVariantMap>("after");

    const QVariantMap defaults = {{"shipsname", "Shipsname"}, {"doorname", "Doorname"}, {"layout", 1},
                                  {"noextension", false}, {"nomodes2_6", false}};
    auto with = [&defaults](const QVariantMap &changes) {
        QVariantMap map = defaults;
        for (auto it = changes.begin(); it != changes.end(); ++it)
            map[it.key()] = it.value();
        return map;
    };
    QTest::newRow("no file") << QByteArray() << QStringList{} << defaults;
    QTest::newRow("stored layout 5") << QByteArray("[General]\nlayout=5\n") << QStringList{} << with({{"layout", 5}});
    QTest::newRow("stored values kept")
        << QByteArray("[General]\nshipsname=Aurora\ndoorname=Deck 4\nlayout=2\nnoextension=true\nnomodes2_6=true\n")
        << QStringList{} << with({{"shipsname", "Aurora"}, {"doorname", "Deck 4"}, {"layout", 2}, {"noextension", true}, {"nomodes2_6", true}});
    QTest::newRow("choices") << QByteArray() << QStringList{"btnText", "btnNoExtension", "btnNoModes2_6", "btnDisabled"}
                             << with({{"layout", 0}, {"noextension", true}, {"nomodes2_6", true}});
    QTest::newRow("door name typed") << QByteArray() << QStringList{"btnDoorname", "{", "btnDelete", "btnCaps", "B", "btnEnter", "}"}
                                     << with({{"doorname", "DoornamB"}});
    QTest::newRow("typing dropped") << QByteArray() << QStringList{"btnText", "btnShipsname", "{", "X", "btnBack", "}"}
                                    << with({{"layout", 2}});
    QTest::newRow("ship's name emptied") << QByteArray("[General]\nlayout=2\nshipsname=Ab\n")
                                         << QStringList{"btnShipsname", "{", "btnDelete", "btnDelete", "btnDelete", "btnEnter", "}"}
                                         << with({{"layout", 2}, {"shipsname", ""}});
}

void TestSettings::settingsFile()
{
    QFETCH(QByteArray, before);
    QFETCH(QStringList, taps);
    QFETCH(QVariantMap, after);

    PanelHarness panel(before);
    panel.segue(QStringLiteral("utilities"));
    panel.setLevel(3);
    panel.segue(QStringLiteral("layout"));
    for (int i = 0; i < taps.size(); ++i) {
        const int keys = taps.indexOf(QStringLiteral("{"), i);
        if (keys == i + 1) {
            const int end = taps.indexOf(QStringLiteral("}"), keys);
            typeOnKeyboard(taps.mid(keys + 1, end - keys - 1));
            panel.click(taps[i]);
            i = end;
        } else {
            panel.click(taps[i]);
        }
    }
    panel.click(QStringLiteral("btnBack"));
    QCOMPARE(panel.screenName(), QStringLiteral("utilities"));

    QSettings file(panel.workingDirectory() + QStringLiteral("/kelvaron.ini"), QSettings::IniFormat);
    QCOMPARE(file.allKeys().size(), after.size());
    for (auto it = after.begin(); it != after.end(); ++it)
        QCOMPARE(file.value(it.key()).toString(), it.value().toString());
}

// Rows: the text given, the keys pressed, the result and the text after.
void TestSettings::keyboard_data()
{
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("text");

    QTest::newRow("delete three") << "Doorname" << QStringList{"btnDelete", "btnDelete", "btnDelete", "btnEnter"} << 1 << "Doorn";
    QTest::newRow("small letters") << "" << QStringList{"A", "1", "-", "btnSpace", "Z", "btnEnter"} << 1 << "a1- z";
    QTest::newRow("capitals") << "x" << QStringList{"btnCaps", "A", ";", "btnCaps", "B", "btnEnter"} << 1 << "xA;b";
    QTest::newRow("delete on empty") << "" << QStringList{"btnDelete", "btnEnter"} << 1 << "";
    QTest::newRow("back") << "Doorname" << QStringList{"Q", "btnBack"} << 0 << "Doornameq";
}

void TestSettings::keyboard()
{
    QFETCH(QString, initial);
    QFETCH(QStringList, keys);
    QFETCH(int, result);
    QFETCH(QString, text);

    Textedit keyboard(initial, nullptr);
    typeOnKeyboard(keys);
    QCOMPARE(keyboard.exec(), result);
    QCOMPARE(keyboard.text(), text);
}

// Rows: the clock when the button is pressed, the button, the dialog's
// buttons, the clock when the dialog closes, the time set (invalid: none).
void TestSettings::setClock_data()
{
    QTest::addColumn<QDateTime>("pressed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QDateTime>("closed");
    QTest::addColumn<QDateTime>("set");

    const auto at = [](int y, int mo, int d, int h, int mi, int s) { return QDateTime(QDate(y, mo, d), QTime(h, mi, s)); };
    const QDateTime pressed = at(2026, 3, 14, 9, 26, 53);
    QTest::newRow("minute, seconds at Enter") << pressed << "btnSetMinute" << QStringList{"btn1p", "btnEnter"}
                                              << at(2026, 3, 14, 9, 28, 5) << at(2026, 3, 14, 9, 27, 5);
    QTest::newRow("hour") << pressed << "btnSetHour" << QStringList{"btn10p", "btn1n", "btnEnter"} << pressed << at(2026, 3, 14, 18, 26, 53);
    QTest::newRow("month") << pressed << "btnSetMonth" << QStringList{"btn10p", "btnEnter"} << pressed << at(2026, 12, 14, 9, 26, 53);
    QTest::newRow("year at its limit") << pressed << "btnSetYear" << QStringList{"btn10p", "btn10p", "btn10p", "btn10p", "btn10p", "btn10p", "btn10p", "btn10p", "btnEnter"}
                                       << pressed << at(2100, 3, 14, 9, 26, 53);
    QTest::newRow("29 February 2028") << at(2028, 2, 19, 9, 0, 0) << "btnSetDay" << QStringList{"btn10p", "btnEnter"}
                                      << at(2028, 2, 19, 9, 0, 0) << at(2028, 2, 29, 9, 0, 0);
    QTest::newRow("31 February refused") << at(2026, 2, 28, 9, 0, 0) << "btnSetDay" << QStringList{"btn10p", "btnEnter"}
                                         << at(2026, 2, 28, 9, 0, 0) << QDateTime();
    QTest::newRow("back") << pressed << "btnSetDay" << QStringList{"btn1p", "btnBack"} << pressed << QDateTime();
    QTest::newRow("Enter alone") << pressed << "btnSetDay" << QStringList{"btnEnter"} << pressed << QDateTime();
}

void TestSettings::setClock()
{
    QFETCH(QDateTime, pressed);
    QFETCH(QString, button);
    QFETCH(QStringList, steps);
    QFETCH(QDateTime, closed);
    QFETCH(QDateTime, set);

    FakePanelClock::setTimes().clear();
    FakePanelClock::now() = pressed;
    PanelHarness panel;
    panel.setLevel(1);
    panel.segue(QStringLiteral("setdatetime"));
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<Adjust *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        for (const QString &step : steps) {
            if (step == QLatin1String("btnEnter"))
                FakePanelClock::now() = closed;
            QTest::mouseClick(dialog->findChild<QAbstractButton *>(step), Qt::LeftButton);
        }
    });
    panel.click(button);
    QCOMPARE(FakePanelClock::setTimes(), set.isValid() ? QList<QDateTime>{set} : QList<QDateTime>{});
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
