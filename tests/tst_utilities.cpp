#include "fakepanelclock.h"
#include "fakepanelutilities.h"
#include "looks.h"
#include "mainwindow.h"
#include "panelharness.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

// The utilities menu driven through the real main window.
class TestUtilities : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void levelGates_data();
    void levelGates();
    void highlights_data();
    void highlights();
    void commands_data();
    void commands();
    void deviceUtilities_data();
    void deviceUtilities();
    void exitQuits();
    void longPress_data();
    void longPress();
    void nothingWhileHeld();
    void navigation_data();
    void navigation();
    void logoutStaysOnMenu();
    void headerShowsLevel_data();
    void headerShowsLevel();
    void loginButtonCannotBeSeen();
};

namespace {

const char *const GatedButtons[] = {"btnLogout", "btnSettings", "btnShutdown", "btnReference", "btnService"};
const char *const AdminButtons[] = {"btnExit", "btnReboot"};
const char *const OpenButtons[] = {"btnMessage2", "btnBrightDown", "btnBrightUp", "btnSystemInfo", "btnBack", "btnLogin"};
const char *const NeverShown[] = {"btnVekInfo", "btnMode1", "lblFire"};

bool isLime(QWidget *widget)
{
    return Looks::shown(widget).contains(Looks::Lit);
}

} // namespace

void TestUtilities::init()
{
    FakePanelUtilities::calls().clear();
}

void TestUtilities::levelGates_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("gated");
    QTest::addColumn<bool>("admin");

    QTest::newRow("standard") << 0 << false << false;
    QTest::newRow("service") << 1 << true << false;
    QTest::newRow("engineer") << 2 << true << false;
    QTest::newRow("admin") << 3 << true << true;
}

void TestUtilities::levelGates()
{
    QFETCH(int, level);
    QFETCH(bool, gated);
    QFETCH(bool, admin);

    PanelHarness panel;
    panel.setLevel(level);
    panel.segue(QStringLiteral("utilities"));

    for (const char *name : GatedButtons)
        QVERIFY2(panel.widget<QWidget>(name)->isVisible() == gated, name);
    for (const char *name : AdminButtons)
        QVERIFY2(panel.widget<QWidget>(name)->isVisible() == admin, name);
    for (const char *name : OpenButtons)
        QVERIFY2(panel.widget<QWidget>(name)->isVisible(), name);
    for (const char *name : NeverShown)
        QVERIFY2(!panel.widget<QWidget>(name)->isVisible(), name);
    QVERIFY(panel.widget<QLabel>(QStringLiteral("lblStatus"))->isVisible());

    // The dark outlines keep the menu's grid at every level.
    for (int i = 1; i <= 11; ++i) {
        const QString name = i == 1 ? QStringLiteral("label") : QStringLiteral("label_%1").arg(i);
        QVERIFY2(panel.widget<QLabel>(name)->isVisible(), qPrintable(name));
    }

    // The same gates hold when the level changes while the menu shows.
    panel.setLevel(level == 3 ? 0 : 3);
    for (const char *name : GatedButtons)
        QVERIFY2(panel.widget<QWidget>(name)->isVisible() == (level != 3), name);
    for (const char *name : AdminButtons)
        QVERIFY2(panel.widget<QWidget>(name)->isVisible() == (level != 3), name);
}

void TestUtilities::highlights_data()
{
    QTest::addColumn<int>("byte2");
    QTest::addColumn<bool>("onOffLime");
    QTest::addColumn<bool>("referenceLime");

    QTest::newRow("control on, not referenced") << 0x00 << true << false;
    QTest::newRow("control on, referenced") << 0x01 << true << true;
    QTest::newRow("control off, not referenced") << 0x02 << false << false;
    QTest::newRow("control off, referenced") << 0x03 << false << true;
    QTest::newRow("other bits set") << 0xFC << true << false;
}

void TestUtilities::highlights()
{
    QFETCH(int, byte2);
    QFETCH(bool, onOffLime);
    QFETCH(bool, referenceLime);

    PanelHarness panel;
    panel.setLevel(1);
    panel.segue(QStringLiteral("utilities"));
    auto *onOff = panel.button(QStringLiteral("btnShutdown"));
    auto *reference = panel.button(QStringLiteral("btnReference"));

    // First the opposite state, then the row's: both buttons follow each record.
    panel.send('i', Frames::info({{2, static_cast<quint8>(byte2 ^ 0x03)}}));
    QCOMPARE(isLime(onOff), !onOffLime);
    QCOMPARE(isLime(reference), !referenceLime);

    panel.send('i', Frames::info({{2, static_cast<quint8>(byte2)}}));
    QCOMPARE(isLime(onOff), onOffLime);
    QCOMPARE(isLime(reference), referenceLime);
    QCOMPARE(Looks::shown(reference).count(Looks::Lit), referenceLime ? 1 : 0);

    // A repeated record changes nothing.
    panel.send('i', Frames::info({{2, static_cast<quint8>(byte2)}}));
    QCOMPARE(Looks::shown(onOff).count(Looks::Lit), onOffLime ? 1 : 0);
    QCOMPARE(Looks::shown(reference).count(Looks::Lit), referenceLime ? 1 : 0);
}

void TestUtilities::commands_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("frame");

    QTest::newRow("on / off") << "btnShutdown" << Frames::command(CmdOnOff);
    QTest::newRow("reference") << "btnReference" << Frames::command(CmdReference);
}

void TestUtilities::commands()
{
    QFETCH(QString, button);
    QFETCH(QByteArray, frame);

    PanelHarness panel;
    panel.send('v', Frames::config());
    panel.setLevel(1);
    panel.segue(QStringLiteral("utilities"));
    QCOMPARE(panel.poll(), QByteArray());

    panel.click(button);
    QCOMPARE(panel.written(), QByteArray());
    QCOMPARE(panel.poll(), frame);
    QCOMPARE(panel.poll(), QByteArray());
    QCOMPARE(panel.screenName(), QStringLiteral("utilities"));
}

void TestUtilities::deviceUtilities_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("call");

    QTest::newRow("brightness down") << 0 << "btnBrightDown" << "backlight 40";
    QTest::newRow("brightness up") << 0 << "btnBrightUp" << "backlight 100";
    QTest::newRow("reboot") << 3 << "btnReboot" << "restart";
}

void TestUtilities::deviceUtilities()
{
    QFETCH(int, level);
    QFETCH(QString, button);
    QFETCH(QString, call);

    PanelHarness panel;
    panel.setLevel(level);
    panel.segue(QStringLiteral("utilities"));
    panel.click(button);
    QCOMPARE(FakePanelUtilities::calls(), QStringList{call});
    QCOMPARE(panel.screenName(), QStringLiteral("utilities"));

    panel.click(button);
    QCOMPARE(FakePanelUtilities::calls(), (QStringList{call, call}));
}

// "Exit" ends the application's event loop.  The click is made inside a
// running event loop of the application so that its end can be seen.
void TestUtilities::exitQuits()
{
    PanelHarness panel;
    panel.setLevel(3);
    panel.segue(QStringLiteral("utilities"));
    auto *exitButton = panel.button(QStringLiteral("btnExit"));
    QVERIFY(exitButton->isVisible());

    QSignalSpy aboutToQuit(qApp, &QCoreApplication::aboutToQuit);
    QTimer::singleShot(0, exitButton, [exitButton] { QTest::mouseClick(exitButton, Qt::LeftButton); });
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    guard.start(5000);

    const int result = QCoreApplication::exec();
    QCOMPARE(result, 0);
    QVERIFY(guard.isActive());
    QCOMPARE(aboutToQuit.count(), 1);
    QVERIFY(FakePanelUtilities::calls().isEmpty());
}

void TestUtilities::longPress_data()
{
    QTest::addColumn<qint64>("held");
    QTest::addColumn<QString>("screen");

    QTest::newRow("tap") << qint64(0) << "utilities";
    QTest::newRow("1499 ms") << qint64(1499) << "utilities";
    QTest::newRow("1500 ms") << qint64(1500) << "user";
    QTest::newRow("a minute") << qint64(60000) << "user";
    QTest::newRow("clock went back") << qint64(-3600000) << "utilities";
}

void TestUtilities::longPress()
{
    QFETCH(qint64, held);
    QFETCH(QString, screen);

    PanelHarness panel;
    panel.segue(QStringLiteral("utilities"));
    auto *login = panel.button(QStringLiteral("btnLogin"));

    QTest::mousePress(login, Qt::LeftButton);
    FakePanelClock::advance(held);
    QTest::mouseRelease(login, Qt::LeftButton);

    QCOMPARE(panel.screenName(), screen);
    const QStringList history = panel.window().navigationHistory();
    QCOMPARE(history.last(), screen);
    QCOMPARE(history.size(), screen == QLatin1String("user") ? 3 : 2);
}

// There is no timer: the login screen comes on release, not while held.
void TestUtilities::nothingWhileHeld()
{
    PanelHarness panel;
    panel.segue(QStringLiteral("utilities"));
    auto *login = panel.button(QStringLiteral("btnLogin"));

    QTest::mousePress(login, Qt::LeftButton);
    FakePanelClock::advance(5000);
    QCoreApplication::processEvents();
    QCOMPARE(panel.screenName(), QStringLiteral("utilities"));

    QTest::mouseRelease(login, Qt::LeftButton);
    QCOMPARE(panel.screenName(), QStringLiteral("user"));

    // Each press is timed on its own.
    panel.click(QStringLiteral("btnBack"));
    QCOMPARE(panel.screenName(), QStringLiteral("utilities"));
    QTest::mousePress(login, Qt::LeftButton);
    FakePanelClock::advance(100);
    QTest::mouseRelease(login, Qt::LeftButton);
    QCOMPARE(panel.screenName(), QStringLiteral("utilities"));
}

void TestUtilities::navigation_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("target");

    QTest::newRow("messages") << "btnMessage2" << "eventlog";
    QTest::newRow("system info") << "btnSystemInfo" << "systeminfo";
    QTest::newRow("service") << "btnService" << "service";
    QTest::newRow("settings") << "btnSettings" << "settings";
}

void TestUtilities::navigation()
{
    QFETCH(QString, button);
    QFETCH(QString, target);

    PanelHarness panel;
    panel.setLevel(1);
    panel.segue(QStringLiteral("utilities"));
    QSignalSpy segues(panel.screen(), &BaseFrame::segue);
    panel.click(button);

    QCOMPARE(segues.count(), 1);
    QCOMPARE(segues.at(0).at(0).toString(), target);
    QCOMPARE(segues.at(0).at(1).toBool(), false);
    if (panel.screen(target)) {
        QCOMPARE(panel.screenName(), target);
        QCOMPARE(panel.window().navigationHistory(), (QStringList{"start", "utilities", target}));
    }
}

void TestUtilities::logoutStaysOnMenu()
{
    PanelHarness panel;
    panel.setLevel(3);
    panel.segue(QStringLiteral("standard"));
    panel.segue(QStringLiteral("utilities"));
    QVERIFY(panel.button(QStringLiteral("btnUser"))->isVisible());

    panel.click(QStringLiteral("btnLogout"));
    QCOMPARE(panel.screenName(), QStringLiteral("utilities"));
    for (const char *name : GatedButtons)
        QVERIFY2(!panel.widget<QWidget>(name)->isVisible(), name);
    for (const char *name : AdminButtons)
        QVERIFY2(!panel.widget<QWidget>(name)->isVisible(), name);
    QVERIFY(!panel.button(QStringLiteral("btnUser"))->isVisible());

    // The level is gone for the other screens too.
    panel.click(QStringLiteral("btnBack"));
    QCOMPARE(panel.screenName(), QStringLiteral("standard"));
    panel.segue(QStringLiteral("utilities"));
    QVERIFY(!panel.button(QStringLiteral("btnLogout"))->isVisible());
}

void TestUtilities::headerShowsLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("name");

    QTest::newRow("service") << 1 << "Service";
    QTest::newRow("engineer") << 2 << "Engineer";
    QTest::newRow("admin") << 3 << "Admin";
}

void TestUtilities::headerShowsLevel()
{
    QFETCH(int, level);
    QFETCH(QString, name);

    PanelHarness panel;
    panel.setLevel(level);
    panel.segue(QStringLiteral("utilities"));
    auto *user = panel.button(QStringLiteral("btnUser"));
    QVERIFY(user->isVisible());
    QCOMPARE(user->text(), name);

    // The header button logs out as well.
    panel.click(QStringLiteral("btnUser"));
    QVERIFY(!user->isVisible());
    QVERIFY(!panel.button(QStringLiteral("btnLogout"))->isVisible());
}

// The login button lies over the title, flat and with nothing to paint.
void TestUtilities::loginButtonCannotBeSeen()
{
    PanelHarness panel;
    panel.segue(QStringLiteral("utilities"));
    auto *login = panel.widget<QPushButton>(QStringLiteral("btnLogin"));
    auto *title = panel.widget<QLabel>(QStringLiteral("lblStatus"));
    QVERIFY(login->isFlat());
    QVERIFY(login->text().isEmpty());
    QVERIFY(login->geometry().contains(title->geometry()));
    QVERIFY(panel.screen()->childAt(title->geometry().center()) == login);

    // A tap leaves no focus frame around the title.
    QTest::mouseClick(login, Qt::LeftButton);
    QVERIFY(!login->hasFocus());

    const QPalette palette = login->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Button, QPalette::Light,
                                     QPalette::Dark, QPalette::Mid, QPalette::Text,
                                     QPalette::BrightText, QPalette::Base, QPalette::Window}) {
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            QCOMPARE(palette.color(group, role).alpha(), 0);
    }
}

QTEST_MAIN(TestUtilities)
#include "tst_utilities.moc"
