#include "adjust.h"
#include "fakepanelclock.h"
#include "mainwindow.h"
#include "panelharness.h"
#include "textedit.h"

#include <QApplication>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

// Where the settings menu's buttons lead, the layout screen with the
// settings file it writes, the on-screen keyboard, and the date-and-time
// screen on the clock's double.  What the settings menu and the layout
// switches show per level is a rule of each door build (tst_rules).
class TestSettings : public QObject
{
    Q_OBJECT

private slots:
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

// Once a dialog of type T is open, presses its buttons, named or by caption.
template <typename T>
void pressInDialog(const QStringList &buttons, const std::function<void(const QString &)> &before = {})
{
    QTimer::singleShot(0, [buttons, before] {
        auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        for (const QString &name : dialog ? buttons : QStringList()) {
            QAbstractButton *button = dialog->template findChild<QAbstractButton *>(name);
            for (QAbstractButton *key : dialog->template findChildren<QAbstractButton *>())
                button = button ? button : (key->text() == name ? key : nullptr);
            if (before)
                before(name);
            QTest::mouseClick(button, Qt::LeftButton);
        }
    });
}

} // namespace

void TestSettings::menuLeadsTo_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("screen");
    for (const char *name : {"Positions", "Times", "SetDateTime", "Sensors", "Layout", "Speed", "Current", "Ramp"})
        QTest::newRow(name) << QStringLiteral("btn") + name << QString::fromLatin1(name).toLower();
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
    QCOMPARE(segues.value(0).value(0).toString(), screen);
}

// Rows: the file before, the taps on the layout screen, the keys pressed on
// a keyboard that a tap opens, the keys written by back.
void TestSettings::settingsFile_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QStringList>("taps");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QVariantMap>("after");

    const QVariantMap defaults = {{"shipsname", "Shipsname"}, {"doorname", "Doorname"}, {"layout", 1},
                                  {"noextension", false}, {"nomodes2_6", false}};
    const auto with = [&defaults](const QString &key, const QVariant &value, const QString &key2 = {}, const QVariant &value2 = {}) {
        QVariantMap map = defaults;
        map[key] = value;
        if (!key2.isEmpty())
            map[key2] = value2;
        return map;
    };
    QTest::newRow("no file") << QByteArray() << QStringList{} << QStringList{} << defaults;
    QTest::newRow("stored layout 5") << QByteArray("[General]\nlayout=5\n") << QStringList{} << QStringList{} << with("layout", 5);
    QTest::newRow("ship's name typed") << QByteArray() << QStringList{"btnText", "btnShipsname"}
                                       << QStringList{"btnDelete", "btnCaps", "Q", "btnEnter"} << with("layout", 2, "shipsname", "ShipsnamQ");
    QTest::newRow("typing dropped") << QByteArray() << QStringList{"btnDisabled", "btnDoorname"} << QStringList{"X", "btnBack"}
                                    << with("layout", 0);
}

void TestSettings::settingsFile()
{
    QFETCH(QByteArray, before);
    QFETCH(QStringList, taps);
    QFETCH(QStringList, keys);
    QFETCH(QVariantMap, after);

    PanelHarness panel(before);
    panel.segue(QStringLiteral("utilities"));
    panel.setLevel(3);
    panel.segue(QStringLiteral("layout"));
    for (const QString &tap : taps) {
        pressInDialog<Textedit>(keys);
        panel.click(tap);
    }
    panel.click(QStringLiteral("btnBack"));

    QSettings file(panel.workingDirectory() + QStringLiteral("/kelvaron.ini"), QSettings::IniFormat);
    QCOMPARE(file.allKeys().size(), after.size());
    for (auto it = after.begin(); it != after.end(); ++it)
        QCOMPARE(file.value(it.key()).toString(), it.value().toString());
}

void TestSettings::keyboard_data()
{
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("text");

    QTest::newRow("delete three") << "Doorname" << QStringList{"btnDelete", "btnDelete", "btnDelete", "btnEnter"} << 1 << "Doorn";
    QTest::newRow("capitals") << "" << QStringList{"A", "1", "btnSpace", "btnCaps", "B", ";", "btnDelete", "btnEnter"} << 1 << "a1 B";
    QTest::newRow("emptied") << "a" << QStringList{"btnDelete", "btnDelete", "btnEnter"} << 1 << "";
    QTest::newRow("back") << "Doorname" << QStringList{"Q", "btnBack"} << 0 << "Doornameq";
}

void TestSettings::keyboard()
{
    QFETCH(QString, initial);
    QFETCH(QStringList, keys);
    QFETCH(int, result);
    QFETCH(QString, text);

    Textedit keyboard(initial, nullptr);
    pressInDialog<Textedit>(keys);
    QCOMPARE(keyboard.exec(), result);
    QCOMPARE(keyboard.text(), text);
}

// Rows: the clock when the button is pressed, the button, the dialog's
// buttons, the clock as Enter is pressed, the time set (invalid: none).
void TestSettings::setClock_data()
{
    QTest::addColumn<QDateTime>("pressed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QDateTime>("entered");
    QTest::addColumn<QDateTime>("set");

    const auto at = [](int y, int mo, int d, int h, int mi, int s) { return QDateTime(QDate(y, mo, d), QTime(h, mi, s)); };
    const QDateTime pressed = at(2026, 3, 14, 9, 26, 53);
    QTest::newRow("minute") << pressed << "btnSetMinute" << QStringList{"btn1p", "btnEnter"}
                            << at(2026, 3, 14, 9, 28, 5) << at(2026, 3, 14, 9, 27, 5);
    QTest::newRow("month") << pressed << "btnSetMonth" << QStringList{"btn10p", "btn1n", "btnEnter"} << pressed << at(2026, 11, 14, 9, 26, 53);
    QTest::newRow("29 February 2028") << at(2028, 2, 19, 9, 0, 0) << "btnSetDay" << QStringList{"btn10p", "btnEnter"}
                                      << at(2028, 2, 19, 9, 0, 0) << at(2028, 2, 29, 9, 0, 0);
    QTest::newRow("31 February refused") << at(2026, 2, 28, 9, 0, 0) << "btnSetDay" << QStringList{"btn10p", "btnEnter"}
                                         << at(2026, 2, 28, 9, 0, 0) << QDateTime();
    QTest::newRow("back") << pressed << "btnSetYear" << QStringList{"btn1p", "btnBack"} << pressed << QDateTime();
}

void TestSettings::setClock()
{
    QFETCH(QDateTime, pressed);
    QFETCH(QString, button);
    QFETCH(QStringList, steps);
    QFETCH(QDateTime, entered);
    QFETCH(QDateTime, set);

    FakePanelClock::setTimes().clear();
    FakePanelClock::now() = pressed;
    PanelHarness panel;
    panel.setLevel(BaseFrame::LevelService);
    panel.segue(QStringLiteral("setdatetime"));
    pressInDialog<Adjust>(steps, [entered](const QString &step) {
        if (step == QLatin1String("btnEnter"))
            FakePanelClock::now() = entered;
    });
    panel.click(button);
    QCOMPARE(FakePanelClock::setTimes(), set.isValid() ? QList<QDateTime>{set} : QList<QDateTime>{});
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
