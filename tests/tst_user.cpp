#include "mainwindow.h"
#include "panelharness.h"
#include "passcodes.h"
#include "password.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

// The login screen driven through the real main window.  The keypad runs
// modally inside the click that opens it, so each test arranges beforehand
// what the operator will type once it shows.
class TestUser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void login_data();
    void login();
    void levelGates_data();
    void levelGates();
    void changeServicePasscode_data();
    void changeServicePasscode();
    void emptyChangeKeepsPasscode();
    void resetServicePasscode();
    void storedServicePasscode_data();
    void storedServicePasscode();
    void passcodeReadOnEntry();
    void logoutStaysOnScreen();
    void menuButtons_data();
    void menuButtons();
    void levelSurvivesNavigation();

private:
    // Clicks `button` on the showing screen; the keypad it opens gets the
    // digit keys of `digits` and is left with `finish`.  Returns whether a
    // keypad was there to type on.
    static bool clickAndType(PanelHarness &panel, const QString &button, const QString &digits,
                             const QString &finish = QStringLiteral("btnEnter"));
    static QString shownLevel(PanelHarness &panel);
    static QVariant storedPwd0(PanelHarness &panel);
};

namespace {

QString code(int passcode)
{
    return QString::number(passcode);
}

} // namespace

bool TestUser::clickAndType(PanelHarness &panel, const QString &button, const QString &digits, const QString &finish)
{
    bool typed = false;
    QTimer::singleShot(0, &panel.window(), [&] {
        auto *keypad = qobject_cast<Password *>(QApplication::activeModalWidget());
        if (!keypad || !keypad->isVisible() || keypad->parentWidget() != panel.screen())
            return;
        for (QChar digit : digits)
            QTest::mouseClick(keypad->findChild<QPushButton *>(QStringLiteral("btn") + digit), Qt::LeftButton);
        QTest::mouseClick(keypad->findChild<QPushButton *>(finish), Qt::LeftButton);
        typed = true;
    });
    panel.click(button);
    if (!panel.window().findChildren<Password *>().isEmpty())
        qWarning("the keypad was not destroyed");
    return typed;
}

QString TestUser::shownLevel(PanelHarness &panel)
{
    return panel.widget<QLabel>(QStringLiteral("lblUser"))->text();
}

QVariant TestUser::storedPwd0(PanelHarness &panel)
{
    QSettings file(panel.workingDirectory() + QStringLiteral("/kelvaron.ini"), QSettings::IniFormat);
    return file.value(QStringLiteral("pwd0"));
}

void TestUser::initTestCase()
{
    QVERIFY(Passcodes::engineer() >= 1000 && Passcodes::engineer() <= 9999);
    QVERIFY(Passcodes::admin() >= 1000 && Passcodes::admin() <= 9999);
    QVERIFY(Passcodes::serviceDefault() >= 1000 && Passcodes::serviceDefault() <= 9999);
    QVERIFY(Passcodes::engineer() != Passcodes::admin());
    QVERIFY(Passcodes::engineer() != Passcodes::serviceDefault());
    QVERIFY(Passcodes::admin() != Passcodes::serviceDefault());
}

void TestUser::login_data()
{
    QTest::addColumn<int>("startLevel");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("finish");
    QTest::addColumn<QString>("level");

    const QString service = code(Passcodes::serviceDefault());
    const QString engineer = code(Passcodes::engineer());
    const QString admin = code(Passcodes::admin());
    const QString enter = QStringLiteral("btnEnter");
    const QString back = QStringLiteral("btnBack");

    QTest::newRow("service right") << 0 << "btnPWD0" << service << enter << "Service";
    QTest::newRow("service wrong") << 2 << "btnPWD0" << engineer << enter << "Standard user";
    QTest::newRow("service at admin") << 3 << "btnPWD0" << service << enter << "Service";
    QTest::newRow("engineer right") << 0 << "btnPWD1" << engineer << enter << "Engineer";
    QTest::newRow("engineer wrong at admin") << 3 << "btnPWD1" << admin << enter << "Standard user";
    QTest::newRow("admin right") << 1 << "btnPWD2" << admin << enter << "Admin";
    QTest::newRow("admin wrong") << 3 << "btnPWD2" << "1" << enter << "Standard user";
    QTest::newRow("empty entry") << 2 << "btnPWD0" << "" << enter << "Standard user";
    QTest::newRow("leading zero") << 0 << "btnPWD1" << "0" + engineer << enter << "Engineer";
    QTest::newRow("code followed by a digit") << 0 << "btnPWD2" << admin + "0" << enter << "Standard user";
    QTest::newRow("ninth digit ignored") << 0 << "btnPWD1" << "0000" + engineer + "7" << enter << "Engineer";
    QTest::newRow("back after the right code") << 3 << "btnPWD2" << admin << back << "Standard user";
}

void TestUser::login()
{
    QFETCH(int, startLevel);
    QFETCH(QString, button);
    QFETCH(QString, digits);
    QFETCH(QString, finish);
    QFETCH(QString, level);

    PanelHarness panel;
    panel.segue(QStringLiteral("utilities"));
    panel.segue(QStringLiteral("user"));
    panel.setLevel(startLevel);

    QVERIFY(clickAndType(panel, button, digits, finish));
    QCOMPARE(panel.screenName(), QStringLiteral("user"));
    QCOMPARE(shownLevel(panel), level);

    auto *userButton = panel.button(QStringLiteral("btnUser"));
    const bool loggedIn = level != QLatin1String("Standard user");
    QCOMPARE(userButton->isVisible(), loggedIn);
    if (loggedIn)
        QCOMPARE(userButton->text(), level);

    // The main window keeps the new level for every later screen.
    panel.click(QStringLiteral("btnBack"));
    QCOMPARE(panel.screenName(), QStringLiteral("utilities"));
    QCOMPARE(panel.button(QStringLiteral("btnLogout"))->isVisible(), loggedIn);
}

void TestUser::levelGates_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("loggedIn");
    QTest::addColumn<bool>("change");
    QTest::addColumn<bool>("reset");

    QTest::newRow("standard") << 0 << "Standard user" << false << false << false;
    QTest::newRow("service") << 1 << "Service" << true << true << false;
    QTest::newRow("engineer") << 2 << "Engineer" << true << false << true;
    QTest::newRow("admin") << 3 << "Admin" << true << false << true;
}

void TestUser::levelGates()
{
    QFETCH(int, level);
    QFETCH(QString, shown);
    QFETCH(bool, loggedIn);
    QFETCH(bool, change);
    QFETCH(bool, reset);

    PanelHarness panel;
    panel.setLevel(level);
    panel.segue(QStringLiteral("user"));

    QCOMPARE(shownLevel(panel), shown);
    for (const char *name : {"btnLogout", "btnSettings", "btnService"})
        QVERIFY2(panel.button(name)->isVisible() == loggedIn, name);
    QCOMPARE(panel.button(QStringLiteral("btnChangePWD0"))->isVisible(), change);
    QCOMPARE(panel.button(QStringLiteral("btnResetPWD0"))->isVisible(), reset);
    for (const char *name : {"btnPWD0", "btnPWD1", "btnPWD2", "btnBack"})
        QVERIFY2(panel.button(name)->isVisible(), name);
    QVERIFY(!panel.widget<QLabel>(QStringLiteral("lblFire"))->isVisible());
}

void TestUser::changeServicePasscode_data()
{
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("finish");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("loginDigits");

    QTest::newRow("new code") << "4711" << "btnEnter" << 4711 << "4711";
    QTest::newRow("leading zeros") << "0042" << "btnEnter" << 42 << "42";
    QTest::newRow("long code") << "87654321" << "btnEnter" << 87654321 << "87654321";
}

void TestUser::changeServicePasscode()
{
    QFETCH(QString, digits);
    QFETCH(QString, finish);
    QFETCH(int, stored);
    QFETCH(QString, loginDigits);

    PanelHarness panel;
    panel.segue(QStringLiteral("user"));
    QVERIFY(clickAndType(panel, QStringLiteral("btnPWD0"), code(Passcodes::serviceDefault())));
    QCOMPARE(shownLevel(panel), QStringLiteral("Service"));

    QVERIFY(clickAndType(panel, QStringLiteral("btnChangePWD0"), digits, finish));
    QCOMPARE(storedPwd0(panel).toInt(), stored);
    QCOMPARE(shownLevel(panel), QStringLiteral("Service"));
    QCOMPARE(panel.screenName(), QStringLiteral("user"));

    // The old code no longer opens the Service level; the new one does.
    QVERIFY(clickAndType(panel, QStringLiteral("btnPWD0"), code(Passcodes::serviceDefault())));
    QCOMPARE(shownLevel(panel), QStringLiteral("Standard user"));
    QVERIFY(clickAndType(panel, QStringLiteral("btnPWD0"), loginDigits));
    QCOMPARE(shownLevel(panel), QStringLiteral("Service"));

    // And so does it after the screen has read the file again.
    panel.click(QStringLiteral("btnBack"));
    panel.segue(QStringLiteral("user"));
    QVERIFY(clickAndType(panel, QStringLiteral("btnPWD1"), code(Passcodes::engineer()) + "1"));
    QVERIFY(clickAndType(panel, QStringLiteral("btnPWD0"), loginDigits));
    QCOMPARE(shownLevel(panel), QStringLiteral("Service"));
}

// An empty entry is never taken as a new Service passcode, nor as a login.
void TestUser::emptyChangeKeepsPasscode()
{
    PanelHarness panel("[General]\npwd0=2468\n");
    panel.segue(QStringLiteral("user"));
    QVERIFY(clickAndType(panel, QStringLiteral("btnPWD0"), QStringLiteral("2468")));
    QVERIFY(clickAndType(panel, QStringLiteral("btnChangePWD0"), QStringLiteral("4711"), QStringLiteral("btnBack")));
    QVERIFY(clickAndType(panel, QStringLiteral("btnChangePWD0"), QString()));
    QCOMPARE(storedPwd0(panel).toInt(), 2468);

    QVERIFY(clickAndType(panel, QStringLiteral("btnPWD0"), QString()));
    QCOMPARE(shownLevel(panel), QStringLiteral("Standard user"));
}

void TestUser::resetServicePasscode()
{
    PanelHarness panel("[General]\npwd0=1234\n");
    panel.segue(QStringLiteral("user"));
    QVERIFY(clickAndType(panel, QStringLiteral("btnPWD1"), code(Passcodes::engineer())));
    QCOMPARE(shownLevel(panel), QStringLiteral("Engineer"));

    panel.click(QStringLiteral("btnResetPWD0"));
    QVERIFY(panel.window().findChildren<Password *>().isEmpty());
    QCOMPARE(storedPwd0(panel).toInt(), Passcodes::serviceDefault());
    QCOMPARE(shownLevel(panel), QStringLiteral("Engineer"));

    QVERIFY(clickAndType(panel, QStringLiteral("btnPWD0"), QStringLiteral("1234")));
    QCOMPARE(shownLevel(panel), QStringLiteral("Standard user"));
    QVERIFY(clickAndType(panel, QStringLiteral("btnPWD0"), code(Passcodes::serviceDefault())));
    QCOMPARE(shownLevel(panel), QStringLiteral("Service"));
}

void TestUser::storedServicePasscode_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("opens");
    QTest::addColumn<QString>("refused");

    const QString service = code(Passcodes::serviceDefault());
    QTest::newRow("no file") << QByteArray() << service << "0";
    QTest::newRow("no pwd0") << QByteArray("[General]\nlayout=2\n") << service << "";
    QTest::newRow("stored code") << QByteArray("[General]\npwd0=2468\n") << "2468" << service;
    // Not a number of 1 to 8 digits: the built-in default, and no empty entry.
    QTest::newRow("not a number") << QByteArray("[General]\npwd0=abc\n") << service << "";
    QTest::newRow("empty value") << QByteArray("[General]\npwd0=\n") << service << "";
    QTest::newRow("blank value") << QByteArray("[General]\npwd0= \n") << service << "0";
    QTest::newRow("hex") << QByteArray("[General]\npwd0=0x10\n") << service << "0";
    QTest::newRow("sign") << QByteArray("[General]\npwd0=-5\n") << service << "5";
    QTest::newRow("nine digits") << QByteArray("[General]\npwd0=123456789\n") << service << "12345678";
    QTest::newRow("stored 0") << QByteArray("[General]\npwd0=0\n") << "000" << service;
}

void TestUser::storedServicePasscode()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, opens);
    QFETCH(QString, refused);

    PanelHarness panel(settings);
    panel.segue(QStringLiteral("user"));
    QCOMPARE(shownLevel(panel), QStringLiteral("Standard user"));

    QVERIFY(clickAndType(panel, QStringLiteral("btnPWD0"), opens));
    QCOMPARE(shownLevel(panel), QStringLiteral("Service"));
    QVERIFY(clickAndType(panel, QStringLiteral("btnPWD0"), refused));
    QCOMPARE(shownLevel(panel), QStringLiteral("Standard user"));
}

// The screen takes "pwd0" from the file when it is entered, not on every
// refresh that a controller frame brings.
void TestUser::passcodeReadOnEntry()
{
    PanelHarness panel("[General]\npwd0=2468\n");
    panel.segue(QStringLiteral("user"));
    {
        QSettings file(panel.workingDirectory() + QStringLiteral("/kelvaron.ini"), QSettings::IniFormat);
        file.setValue(QStringLiteral("pwd0"), 1357);
    }
    panel.send('i', Frames::info());
    QVERIFY(clickAndType(panel, QStringLiteral("btnPWD0"), QStringLiteral("2468")));
    QCOMPARE(shownLevel(panel), QStringLiteral("Service"));

    panel.click(QStringLiteral("btnBack"));
    panel.segue(QStringLiteral("user"));
    QVERIFY(clickAndType(panel, QStringLiteral("btnPWD0"), QStringLiteral("2468")));
    QCOMPARE(shownLevel(panel), QStringLiteral("Standard user"));
    QVERIFY(clickAndType(panel, QStringLiteral("btnPWD0"), QStringLiteral("1357")));
    QCOMPARE(shownLevel(panel), QStringLiteral("Service"));
}

void TestUser::logoutStaysOnScreen()
{
    PanelHarness panel;
    panel.segue(QStringLiteral("user"));
    QVERIFY(clickAndType(panel, QStringLiteral("btnPWD2"), code(Passcodes::admin())));
    QCOMPARE(shownLevel(panel), QStringLiteral("Admin"));

    panel.click(QStringLiteral("btnLogout"));
    QCOMPARE(panel.screenName(), QStringLiteral("user"));
    QCOMPARE(shownLevel(panel), QStringLiteral("Standard user"));
    QVERIFY(!panel.button(QStringLiteral("btnLogout"))->isVisible());
    QVERIFY(!panel.button(QStringLiteral("btnResetPWD0"))->isVisible());
    QVERIFY(!panel.button(QStringLiteral("btnUser"))->isVisible());
}

void TestUser::menuButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("target");

    QTest::newRow("service") << "btnService" << "service";
    QTest::newRow("settings") << "btnSettings" << "settings";
}

void TestUser::menuButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, target);

    PanelHarness panel;
    panel.setLevel(1);
    panel.segue(QStringLiteral("user"));
    QSignalSpy segues(panel.screen(), &BaseFrame::segue);
    panel.click(button);
    QCOMPARE(segues.count(), 1);
    QCOMPARE(segues.at(0).at(0).toString(), target);
    QCOMPARE(segues.at(0).at(1).toBool(), false);
}

void TestUser::levelSurvivesNavigation()
{
    PanelHarness panel;
    panel.segue(QStringLiteral("standard"));
    panel.segue(QStringLiteral("utilities"));
    panel.segue(QStringLiteral("user"));
    QVERIFY(clickAndType(panel, QStringLiteral("btnPWD1"), code(Passcodes::engineer())));

    panel.click(QStringLiteral("btnBack"));
    QCOMPARE(panel.screenName(), QStringLiteral("utilities"));
    QCOMPARE(panel.button(QStringLiteral("btnUser"))->text(), QStringLiteral("Engineer"));
    QVERIFY(panel.button(QStringLiteral("btnService"))->isVisible());
    QVERIFY(!panel.button(QStringLiteral("btnExit"))->isVisible());

    panel.window().saveScreen();
    QCOMPARE(panel.screenName(), QStringLiteral("screensaver"));
    panel.window().segueBack();
    QCOMPARE(panel.screenName(), QStringLiteral("utilities"));
    QVERIFY(panel.button(QStringLiteral("btnService"))->isVisible());

    panel.send('i', Frames::info());
    panel.segue(QStringLiteral("user"));
    QCOMPARE(shownLevel(panel), QStringLiteral("Engineer"));
    QVERIFY(panel.button(QStringLiteral("btnResetPWD0"))->isVisible());
}

QTEST_MAIN(TestUser)
#include "tst_user.moc"
