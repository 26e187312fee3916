// The screen base: header, status line, logo and names, blinking, and the
// helpers the screens use.

#include "baseframe.h"
#include "doorcontrol.h"
#include "frames.h"
#include "looks.h"
#include "mainwindow.h"
#include "panelharness.h"

#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The header's sheets as the forms give them.
const QString MessageStyle = QStringLiteral("background-color: yellow; font-weight: bold");
const QString FireStyle = Looks::FireTextShown;

// A screen with every header widget, registered as a screen registers them.
class HeaderFrame : public BaseFrame
{
public:
    explicit HeaderFrame(DoorControl *door = nullptr)
        : btnUser(new QPushButton(QStringLiteral("pwactuser"), this))
        , btnMessage(new QPushButton(QStringLiteral("Message"), this))
        , lblFire(new QLabel(QStringLiteral("FIRE"), this))
        , lblPirate(new QLabel(QStringLiteral("PIRATE"), this))
        , lblLogo(new QLabel(this))
        , lblShipsname(new QLabel(QStringLiteral("ship"), this))
        , lblDoorname(new QLabel(QStringLiteral("door"), this))
        , lblStatus(new QLabel(QStringLiteral("status"), this))
    {
        btnMessage->setStyleSheet(MessageStyle);
        lblFire->setStyleSheet(FireStyle);
        setHeaderWidgets(btnUser, btnMessage, lblFire, lblPirate);
        setLogoWidgets(lblLogo, lblShipsname, lblDoorname);
        setStatusLabel(lblStatus);
        doorControl = door;
    }

    using BaseFrame::hideDisabledChildren;

    bool shows(QWidget *widget) const { return widget->isVisibleTo(this); }

    struct Refresh
    {
        int level;
        bool entered;
        QString status;   // the status line as the screen's own refresh sees it
        bool userButton;  // whether the user button shows by then
    };

    QPushButton *btnUser;
    QPushButton *btnMessage;
    QLabel *lblFire;
    QLabel *lblPirate;
    QLabel *lblLogo;
    QLabel *lblShipsname;
    QLabel *lblDoorname;
    QLabel *lblStatus;

    QList<Refresh> refreshes;
    QList<bool> blinks;

protected:
    void refreshScreen(BaseFrame::auth_level level, bool entered) override
    {
        refreshes.append({level, entered, lblStatus->text(), shows(btnUser)});
    }

    void blinkScreen(bool state) override { blinks.append(state); }
};

// A screen that registers nothing.
class BareFrame : public BaseFrame
{
public:
    using BaseFrame::hideDisabledChildren;

    QList<bool> blinks;

protected:
    void blinkScreen(bool state) override { blinks.append(state); }
};

void writeSettings(const QVariantMap &values)
{
    QSettings settings(QStringLiteral("kelvaron.ini"), QSettings::IniFormat);
    settings.clear();
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        settings.setValue(it.key(), it.value());
    settings.sync();
}

QByteArray iniText(const QVariantMap &values)
{
    QByteArray text;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        text += it.key().toLatin1() + '=' + it.value().toString().toLatin1() + '\n';
    return text;
}

} // namespace

class TestBaseFrame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void userButton_data();
    void userButton();
    void userButtonTextKeptAtLevel0();
    void withoutDoorState();
    void messageButton();
    void alarmLabels_data();
    void alarmLabels();

    void statusLine_data();
    void statusLine();
    void statusTextUnchanged();
    void statusLineOnlyWhereRegistered();
    void screenRefreshComesLast();

    void blink();
    void blinkHiddenWidgets();

    void layout_data();
    void layout();
    void layoutOnlyOnEntry();
    void doorNameVisibilityKept();
    void logoPicture();
    void startScreenLayout_data();
    void startScreenLayout();
    void startScreenHeaderNeverShows();

    void highlighted_data();
    void highlighted();
    void sheetShownAsSet_data();
    void sheetShownAsSet();
    void highlightOutlastsTheLook();
    void hideDisabledChildren();

    void messageButtonClicked_data();
    void messageButtonClicked();
    void userButtonClicked();

private:
    QTemporaryDir dir;
};

void TestBaseFrame::initTestCase()
{
    // As the panel program does: what a sheet looks like depends on it.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    qRegisterMetaType<BaseFrame::auth_level>();
    QVERIFY(dir.isValid());
    QDir::setCurrent(dir.path());
}

void TestBaseFrame::init()
{
    QDir::setCurrent(dir.path());
    writeSettings({});
}

// -- header ----------------------------------------------------------------

void TestBaseFrame::userButton_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("text");

    QTest::newRow("0") << 0 << false << "pwactuser";
    QTest::newRow("1") << 1 << true << "Service";
    QTest::newRow("2") << 2 << true << "Engineer";
    QTest::newRow("3") << 3 << true << "Admin";
}

void TestBaseFrame::userButton()
{
    QFETCH(int, level);
    QFETCH(bool, shown);
    QFETCH(QString, text);

    DoorControl door;
    HeaderFrame frame(&door);
    frame.refresh(static_cast<BaseFrame::auth_level>(level), false);
    QCOMPARE(frame.shows(frame.btnUser), shown);
    QCOMPARE(frame.btnUser->text(), text);
}

void TestBaseFrame::userButtonTextKeptAtLevel0()
{
    DoorControl door;
    HeaderFrame frame(&door);
    frame.refresh(BaseFrame::LevelEngineer, false);
    QVERIFY(frame.shows(frame.btnUser));

    frame.refresh(BaseFrame::LevelStandard, false);
    QVERIFY(!frame.shows(frame.btnUser));
    QCOMPARE(frame.btnUser->text(), QString("Engineer"));
}

// Without the door state only what does not need it is refreshed.
void TestBaseFrame::withoutDoorState()
{
    writeSettings({{"layout", 2}, {"shipsname", "Sea Star"}});
    HeaderFrame frame;
    frame.refresh(BaseFrame::LevelAdmin, true);
    QVERIFY(frame.shows(frame.btnUser));
    QCOMPARE(frame.btnUser->text(), QString("Admin"));
    QCOMPARE(frame.lblStatus->text(), QString("status"));
    QCOMPARE(frame.lblShipsname->text(), QString("Sea Star"));
    QCOMPARE(frame.refreshes.size(), 1);
}

void TestBaseFrame::messageButton()
{
    DoorControl door;
    HeaderFrame frame(&door);
    frame.refresh(BaseFrame::LevelStandard, false);
    QVERIFY(!frame.shows(frame.btnMessage));

    door.setInfo(Frames::info({{2, 0x20}})); // "battery error"
    QVERIFY(!frame.shows(frame.btnMessage)); // until the next refresh
    frame.refresh(BaseFrame::LevelStandard, false);
    QVERIFY(frame.shows(frame.btnMessage));

    door.takeEvents();
    frame.refresh(BaseFrame::LevelStandard, false);
    QVERIFY(frame.shows(frame.btnMessage)); // taken, but not yet seen

    door.eventsSeen = 1;
    frame.refresh(BaseFrame::LevelService, false);
    QVERIFY(!frame.shows(frame.btnMessage));
}

void TestBaseFrame::alarmLabels_data()
{
    QTest::addColumn<QByteArray>("block"); // empty: none held
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<bool>("pirate");

    QTest::newRow("no block, bit 5 set") << QByteArray() << Frames::info({{6, 0x20}}) << false;
    QTest::newRow("level 1, bit 5 set") << Frames::config() << Frames::info({{6, 0x20}}) << true;
    QTest::newRow("level 1, bit 5 clear") << Frames::config() << Frames::info({{6, 0xDF}}) << false;
    QTest::newRow("level 0, bit 5 clear") << Frames::config({{16, 0xDF}}) << Frames::info() << true;
    QTest::newRow("level 0, bit 5 set") << Frames::config({{16, 0xDF}}) << Frames::info({{6, 0x20}}) << false;
    QTest::newRow("group bit 5 is not it") << Frames::config() << Frames::info({{10, 0x20}, {14, 0x20}}) << false;
}

// Build A: the fire label never shows; the pirate label shows while main
// I/O bit 5 is active.
void TestBaseFrame::alarmLabels()
{
    QFETCH(QByteArray, block);
    QFETCH(QByteArray, record);
    QFETCH(bool, pirate);

    DoorControl door;
    if (!block.isEmpty())
        door.setConfig(block);
    door.setInfo(record);
    HeaderFrame frame(&door);
    frame.lblPirate->setVisible(!pirate);
    QVERIFY(frame.shows(frame.lblFire));

    frame.refresh(BaseFrame::LevelStandard, false);
    QCOMPARE(frame.shows(frame.lblPirate), pirate);
    QVERIFY(!frame.shows(frame.lblFire));
}

// -- status line -------------------------------------------------------------

void TestBaseFrame::statusLine_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("style");

    // Low bits of byte 26 past the reference steps, so that the status text
    // tells the door's state.
    const auto record = [](Frames::ByteValues values) {
        QByteArray bytes = Frames::info({{26, 0x05}});
        for (const auto &value : values)
            bytes[value.first] = static_cast<char>(value.second);
        return bytes;
    };

    QTest::newRow("start values") << QByteArray() << "Ref: Find close" << Looks::Status;
    QTest::newRow("door open") << record({}) << "Door open" << Looks::Status;
    QTest::newRow("error") << record({{2, 0x20}}) << "System failure" << Looks::Error;
    QTest::newRow("control off") << record({{2, 0x02}}) << "Control off" << Looks::Error;
    QTest::newRow("error before warning") << record({{2, 0x28}}) << "System failure" << Looks::Error;
    QTest::newRow("warning") << record({{2, 0x08}}) << "Sensor / switch error" << Looks::Warning;
    QTest::newRow("service warning") << record({{26, 0x15}}) << "Service needed" << Looks::Warning;
    QTest::newRow("motion") << record({{3, 0x02}}) << "Opening" << Looks::Status;
    QTest::newRow("reference flag and an error") << record({{2, 0x21}}) << "Door open" << Looks::Status;
    QTest::newRow("reference flag and a warning") << record({{2, 0x09}, {26, 0x15}}) << "Door open" << Looks::Status;
    QTest::newRow("reference flag, no safety") << record({{2, 0x25}}) << "No safety" << Looks::Status;
    QTest::newRow("reference flag, reference step") << Frames::info({{2, 0x23}, {26, 0x02}}) << "Ref: Half open" << Looks::Status;
}

void TestBaseFrame::statusLine()
{
    QFETCH(QByteArray, record);
    QFETCH(QString, text);
    QFETCH(QString, style);

    DoorControl door;
    if (!record.isEmpty())
        door.setInfo(record);
    HeaderFrame frame(&door);
    frame.refresh(BaseFrame::LevelStandard, false);
    QCOMPARE(frame.lblStatus->text(), text);
    QCOMPARE(Looks::shown(frame.lblStatus), style);
}

// The label is rewritten only when its text changes: a style set by hand
// stays while the text stays.
void TestBaseFrame::statusTextUnchanged()
{
    const QString marker = QStringLiteral("background-color: green");
    DoorControl door;
    HeaderFrame frame(&door);

    door.setInfo(Frames::info({{2, 0x20}, {26, 0x05}}));
    frame.refresh(BaseFrame::LevelStandard, false);
    QCOMPARE(Looks::shown(frame.lblStatus), Looks::Error);

    frame.lblStatus->setStyleSheet(marker);
    frame.refresh(BaseFrame::LevelStandard, false);
    QCOMPARE(frame.lblStatus->text(), QString("System failure"));
    QCOMPARE(Looks::shown(frame.lblStatus), marker);

    // Another record with the same text.
    door.setInfo(Frames::info({{2, 0x30}, {26, 0x05}}));
    frame.refresh(BaseFrame::LevelService, false);
    QCOMPARE(Looks::shown(frame.lblStatus), marker);

    // The error clears: the next text and its colours at once.
    door.setInfo(Frames::info({{2, 0x08}, {26, 0x05}}));
    frame.refresh(BaseFrame::LevelStandard, false);
    QCOMPARE(frame.lblStatus->text(), QString("Sensor / switch error"));
    QCOMPARE(Looks::shown(frame.lblStatus), Looks::Warning);

    door.setInfo(Frames::info({{26, 0x05}}));
    frame.refresh(BaseFrame::LevelStandard, false);
    QCOMPARE(frame.lblStatus->text(), QString("Door open"));
    QCOMPARE(Looks::shown(frame.lblStatus), Looks::Status);

    // A label that already holds the text keeps whatever style it has.
    frame.lblStatus->setStyleSheet(marker);
    frame.refresh(BaseFrame::LevelStandard, true);
    QCOMPARE(Looks::shown(frame.lblStatus), marker);
}

void TestBaseFrame::statusLineOnlyWhereRegistered()
{
    DoorControl door;
    door.setInfo(Frames::info({{2, 0x20}}));
    BareFrame frame;
    frame.doorControl = &door;
    auto *label = new QLabel(QStringLiteral("lblStatus"), &frame);
    label->setObjectName(QStringLiteral("lblStatus"));
    frame.refresh(BaseFrame::LevelEngineer, true);
    QCOMPARE(label->text(), QString("lblStatus"));
    QCOMPARE(Looks::shown(label), QString());
}

// The screen's own refresh runs last, with the level and entry flag given.
void TestBaseFrame::screenRefreshComesLast()
{
    DoorControl door;
    door.setInfo(Frames::info({{2, 0x08}, {26, 0x05}}));
    HeaderFrame frame(&door);

    frame.refresh(BaseFrame::LevelEngineer, true);
    frame.refresh(BaseFrame::LevelStandard, false);
    QCOMPARE(frame.refreshes.size(), 2);
    QCOMPARE(frame.refreshes.at(0).level, 2);
    QVERIFY(frame.refreshes.at(0).entered);
    QCOMPARE(frame.refreshes.at(0).status, QString("Sensor / switch error"));
    QVERIFY(frame.refreshes.at(0).userButton);
    QCOMPARE(frame.refreshes.at(1).level, 0);
    QVERIFY(!frame.refreshes.at(1).entered);
    QVERIFY(!frame.refreshes.at(1).userButton);
}

// -- blinking ----------------------------------------------------------------

void TestBaseFrame::blink()
{
    DoorControl door;
    door.addEvent(QStringLiteral("safety stop"));
    HeaderFrame frame(&door);
    frame.refresh(BaseFrame::LevelStandard, false);
    QVERIFY(frame.shows(frame.btnMessage));

    frame.blink(false);
    QCOMPARE(Looks::shown(frame.btnMessage), Looks::MessageTextGone);
    frame.blink(true);
    QCOMPARE(Looks::shown(frame.btnMessage), Looks::MessageTextShown);
    frame.blink(false);
    QCOMPARE(Looks::shown(frame.btnMessage), Looks::MessageTextGone);
    QCOMPARE(frame.blinks, (QList<bool>{false, true, false}));

    // Seen: hidden at the next refresh, and no longer blinked.
    door.eventsSeen = 1;
    frame.refresh(BaseFrame::LevelStandard, false);
    QVERIFY(!frame.shows(frame.btnMessage));
    frame.blink(true);
    QCOMPARE(Looks::shown(frame.btnMessage), Looks::MessageTextGone);
    QCOMPARE(frame.blinks.size(), 4);
}

void TestBaseFrame::blinkHiddenWidgets()
{
    DoorControl door;
    HeaderFrame frame(&door);

    // Before any refresh the fire label shows, so it blinks.
    frame.btnMessage->hide();
    frame.blink(false);
    QCOMPARE(Looks::shown(frame.lblFire), Looks::FireTextGone);
    frame.blink(true);
    QCOMPARE(Looks::shown(frame.lblFire), Looks::FireTextShown);
    QCOMPARE(Looks::shown(frame.btnMessage), MessageStyle);

    // A refresh hides it in build A; then it keeps its style.
    frame.lblFire->setStyleSheet(FireStyle);
    frame.refresh(BaseFrame::LevelStandard, false);
    frame.blink(false);
    frame.blink(true);
    QCOMPARE(Looks::shown(frame.lblFire), FireStyle);
    QCOMPARE(Looks::shown(frame.btnMessage), MessageStyle);
    QCOMPARE(frame.blinks.size(), 4);

    // A screen that registered nothing still gets its own blink step.
    BareFrame bare;
    bare.blink(true);
    QCOMPARE(bare.blinks, QList<bool>{true});
}

// -- logo, ship's and door names -----------------------------------------------

void TestBaseFrame::layout_data()
{
    QTest::addColumn<QVariantMap>("settings");
    QTest::addColumn<bool>("logo");
    QTest::addColumn<bool>("shipsname");
    QTest::addColumn<QString>("ship");
    QTest::addColumn<QString>("door");

    const QVariantMap names{{"shipsname", "Sea Star"}, {"doorname", "Bow door"}};
    const auto with = [&](int layout) {
        QVariantMap map = names;
        map.insert("layout", layout);
        return map;
    };
    QTest::newRow("no settings") << QVariantMap() << true << false << "Shipsname" << "Doorname";
    QTest::newRow("layout missing") << names << true << false << "Sea Star" << "Bow door";
    QTest::newRow("layout 0") << with(0) << false << false << "Sea Star" << "Bow door";
    QTest::newRow("layout 1") << with(1) << true << false << "Sea Star" << "Bow door";
    QTest::newRow("layout 2") << with(2) << false << true << "Sea Star" << "Bow door";
    QTest::newRow("layout 3") << with(3) << false << false << "Sea Star" << "Bow door";
    QTest::newRow("layout 2, no names") << QVariantMap{{"layout", 2}} << false << true << "Shipsname" << "Doorname";
}

void TestBaseFrame::layout()
{
    QFETCH(QVariantMap, settings);
    QFETCH(bool, logo);
    QFETCH(bool, shipsname);
    QFETCH(QString, ship);
    QFETCH(QString, door);

    writeSettings(settings);
    DoorControl state;
    HeaderFrame frame(&state);
    frame.lblLogo->setVisible(!logo);
    frame.lblShipsname->setVisible(!shipsname);

    frame.refresh(BaseFrame::LevelStandard, true);
    QCOMPARE(frame.shows(frame.lblLogo), logo);
    QCOMPARE(frame.shows(frame.lblShipsname), shipsname);
    QCOMPARE(frame.lblShipsname->text(), ship);
    QCOMPARE(frame.lblDoorname->text(), door);
    QVERIFY(frame.shows(frame.lblDoorname));
}

void TestBaseFrame::layoutOnlyOnEntry()
{
    writeSettings({{"layout", 2}, {"shipsname", "Sea Star"}, {"doorname", "Bow door"}});
    DoorControl state;
    HeaderFrame frame(&state);
    frame.refresh(BaseFrame::LevelStandard, true);

    writeSettings({{"layout", 1}, {"shipsname", "Other"}, {"doorname", "Other door"}});
    frame.refresh(BaseFrame::LevelService, false);
    QCOMPARE(frame.lblShipsname->text(), QString("Sea Star"));
    QCOMPARE(frame.lblDoorname->text(), QString("Bow door"));
    QVERIFY(frame.shows(frame.lblShipsname));
    QVERIFY(!frame.shows(frame.lblLogo));

    frame.refresh(BaseFrame::LevelService, true);
    QCOMPARE(frame.lblShipsname->text(), QString("Other"));
    QCOMPARE(frame.lblDoorname->text(), QString("Other door"));
    QVERIFY(!frame.shows(frame.lblShipsname));
    QVERIFY(frame.shows(frame.lblLogo));
}

void TestBaseFrame::doorNameVisibilityKept()
{
    writeSettings({{"layout", 0}, {"doorname", "Bow door"}});
    DoorControl state;
    HeaderFrame frame(&state);
    frame.lblDoorname->hide();
    frame.refresh(BaseFrame::LevelStandard, true);
    QCOMPARE(frame.lblDoorname->text(), QString("Bow door"));
    QVERIFY(!frame.shows(frame.lblDoorname));
}

void TestBaseFrame::logoPicture()
{
    QPixmap picture(8, 4);
    picture.fill(Qt::blue);
    HeaderFrame withLogo;
    withLogo.setLogo(picture);
    HeaderFrame withoutLogo;
    BareFrame noLabel;
    noLabel.setLogo(picture);

    QCOMPARE(withLogo.lblLogo->pixmap(Qt::ReturnByValue).size(), QSize(8, 4));
    QVERIFY(withoutLogo.lblLogo->pixmap(Qt::ReturnByValue).isNull());
}

void TestBaseFrame::startScreenLayout_data()
{
    QTest::addColumn<QVariantMap>("settings");
    QTest::addColumn<bool>("logo");
    QTest::addColumn<QString>("door");

    QTest::newRow("no settings") << QVariantMap() << true << "Doorname";
    QTest::newRow("layout 0") << QVariantMap{{"layout", 0}, {"doorname", "Bow door"}} << false << "Bow door";
    QTest::newRow("layout 1") << QVariantMap{{"layout", 1}, {"doorname", "Bow door"}} << true << "Bow door";
    QTest::newRow("layout 2") << QVariantMap{{"layout", 2}, {"doorname", "Bow door"}} << false << "Bow door";
}

// Both instances of the start screen show the logo and the door name as
// the settings say, each when it is entered.
void TestBaseFrame::startScreenLayout()
{
    QFETCH(QVariantMap, settings);
    QFETCH(bool, logo);
    QFETCH(QString, door);

    PanelHarness panel(iniText(settings));
    for (const QString &name : {QStringLiteral("start"), QStringLiteral("screensaver")}) {
        if (name == QLatin1String("screensaver"))
            panel.window().saveScreen();
        QCOMPARE(panel.screenName(), name);
        BaseFrame *screen = panel.screen();
        QCOMPARE(panel.widget<QLabel>("lblLogo")->isVisibleTo(screen), logo);
        QCOMPARE(panel.widget<QLabel>("lblDoorname")->text(), door);
        QVERIFY(panel.widget<QLabel>("lblDoorname")->isVisibleTo(screen));
    }
}

// The start screen registers no header: its user and message buttons and
// fire label, built disabled, never show, even with an event waiting and
// somebody logged in.
void TestBaseFrame::startScreenHeaderNeverShows()
{
    PanelHarness panel;
    panel.send('i', Frames::info({{7, 0x00}}));
    panel.setLevel(3);
    panel.window().blinkEvent();
    panel.window().blinkEvent();

    for (const QString &name : {QStringLiteral("start"), QStringLiteral("screensaver")}) {
        if (name == QLatin1String("screensaver"))
            panel.window().saveScreen();
        BaseFrame *screen = panel.screen();
        QCOMPARE(screen->objectName(), name);
        QCOMPARE(screen->doorControl->eventsSeen, quint8(0));
        for (const char *widget : {"btnMessage", "btnUser", "lblFire"}) {
            QWidget *child = panel.widget<QWidget>(widget);
            QVERIFY2(child, widget);
            QVERIFY2(!child->isVisibleTo(screen), widget);
        }
        QCOMPARE(Looks::shown(panel.widget<QWidget>("btnMessage")), MessageStyle);
        QVERIFY(panel.widget<QWidget>("pushButton")->isVisibleTo(screen));
    }
}

// -- helpers for the screens -------------------------------------------------

void TestBaseFrame::highlighted_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("on");
    QTest::addColumn<QString>("off");

    QTest::newRow("empty") << "" << "; background-color: lime" << "";
    QTest::newRow("a style") << "color: black" << "color: black; background-color: lime" << "color: black";
    QTest::newRow("lime already") << "color: black; background-color: lime"
                                  << "color: black; background-color: lime; background-color: lime"
                                  << "color: black; background-color: lime";
    QTest::newRow("other case") << "color: black; BACKGROUND-COLOR: LIME"
                                << "color: black; BACKGROUND-COLOR: LIME; background-color: lime"
                                << "color: black; BACKGROUND-COLOR: LIME";
}

void TestBaseFrame::highlighted()
{
    QFETCH(QString, before);
    QFETCH(QString, on);
    QFETCH(QString, off);

    QPushButton button;
    button.setStyleSheet(before);
    Looks::setHighlighted(&button, true);
    Looks::setHighlighted(&button, true);
    QCOMPARE(Looks::shown(&button), on);
    Looks::setHighlighted(&button, false);
    QCOMPARE(Looks::shown(&button), off);
    Looks::setHighlighted(&button, false);
    QCOMPARE(Looks::shown(&button), off);
}

void TestBaseFrame::sheetShownAsSet_data()
{
    QTest::addColumn<bool>("button");       // else a label with a sunken frame
    QTest::addColumn<QString>("form");      // the sheet its form gives it
    QTest::addColumn<QStringList>("shown"); // sheets shown in turn
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("down");

    const QString lime = QStringLiteral("background-color: lime;");
    const QString lit = QStringLiteral("background-color: lime; color: black;");
    const QString struck = QStringLiteral("background-color: #343434; text-decoration: line-through; color: black;");
    const QString fuchsia = QStringLiteral("background-color: fuchsia; color: %1; font-weight: bold;");
    QTest::newRow("lamp lit") << true << "" << QStringList{lime} << true << false;
    QTest::newRow("lamp out again") << true << "" << QStringList{lime, ""} << true << false;
    QTest::newRow("lamp lit, held") << true << "" << QStringList{lime} << true << true;
    QTest::newRow("highlight, disabled") << true << "color: black" << QStringList{"color: black; background-color: lime"}
                                         << false << false;
    QTest::newRow("struck, then lit") << true << "" << QStringList{struck, lit} << true << false;
    QTest::newRow("lit, then struck") << true << "" << QStringList{lit, struck} << false << false;
    QTest::newRow("blink, bold") << true << "" << QStringList{fuchsia.arg("white"), fuchsia.arg("fuchsia")} << false << false;
    QTest::newRow("message, dark") << true << MessageStyle << QStringList{Looks::MessageTextGone} << true << false;
    QTest::newRow("message, bright") << true << MessageStyle
                                     << QStringList{Looks::MessageTextGone, Looks::MessageTextShown} << true << false;
    QTest::newRow("fire, dark") << false << FireStyle << QStringList{Looks::FireTextGone} << true << false;
    QTest::newRow("fire, bright") << false << FireStyle << QStringList{Looks::FireTextGone, Looks::FireTextShown} << true
                                  << false;
    QTest::newRow("status, error") << false << Looks::Status << QStringList{Looks::Error} << true << false;
    QTest::newRow("status, after an error") << false << Looks::Status << QStringList{Looks::Error, Looks::Status} << true << false;
    QTest::newRow("row lit") << false << "background-color: silver;"
                             << QStringList{"background-color: silver;; background-color: lime"} << true << false;
    QTest::newRow("label lit, no background before") << false << "color: grey" << QStringList{"color: grey; background-color: lime"}
                                                     << true << false;
    QTest::newRow("label out again") << false << "color: grey"
                                     << QStringList{"color: grey; background-color: lime", "color: grey"} << true << false;
    QTest::newRow("not a plain list") << true << "" << QStringList{"QPushButton { background-color: lime; }"} << true << false;
}

// A sheet shown looks on the screen exactly as the sheet set does, in a
// screen with the font every form gives.
void TestBaseFrame::sheetShownAsSet()
{
    QFETCH(bool, button);
    QFETCH(QString, form);
    QFETCH(QStringList, shown);
    QFETCH(bool, enabled);
    QFETCH(bool, down);

    QWidget window;
    window.resize(200, 80);
    QWidget *widgets[2];
    for (int i = 0; i < 2; ++i) {
        auto *screen = new QWidget(&window);
        screen->setGeometry(i * 100, 0, 100, 80);
        screen->setStyleSheet(QStringLiteral("font: 8pt \"Arial\""));
        if (button) {
            widgets[i] = new QPushButton(QStringLiteral("Push\nButton"), screen);
        } else {
            auto *label = new QLabel(QStringLiteral("FIRE"), screen);
            label->setFrameShape(QFrame::WinPanel);
            label->setFrameShadow(QFrame::Sunken);
            label->setAlignment(Qt::AlignCenter);
            widgets[i] = label;
        }
        widgets[i]->setGeometry(10, 10, 61, 41);
        widgets[i]->setStyleSheet(form);
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (const QString &sheet : shown) {
        Looks::show(widgets[0], sheet);
        widgets[1]->setStyleSheet(sheet);
        QCoreApplication::processEvents();
    }
    for (QWidget *widget : widgets) {
        widget->setEnabled(enabled);
        if (auto *pushButton = qobject_cast<QPushButton *>(widget))
            pushButton->setDown(down);
    }
    QCOMPARE(Looks::shown(widgets[0]), shown.last());

    // Each as the focus widget (a button's focus frame is drawn too).
    QImage pictures[2];
    for (int i = 0; i < 2; ++i) {
        widgets[i]->setFocus();
        QCoreApplication::processEvents();
        pictures[i] = window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32)
                          .copy(i * 100, 0, 100, 80);
    }
    QCOMPARE(pictures[0], pictures[1]);
}

// Lit is the widget's state, not part of a sheet: a look shown while the
// widget is lit shows lit, and the light put out leaves that look; a sheet
// set since is the look the light goes over.
void TestBaseFrame::highlightOutlastsTheLook()
{
    const QString struck = QStringLiteral("text-decoration: line-through");
    QPushButton button;
    Looks::setHighlighted(&button, true);
    Looks::show(&button, struck);
    QCOMPARE(Looks::shown(&button), struck + "; background-color: lime");
    Looks::setHighlighted(&button, false);
    QCOMPARE(Looks::shown(&button), struck);

    button.setStyleSheet("color: red");
    Looks::setHighlighted(&button, true);
    QCOMPARE(Looks::shown(&button), QString("color: red; background-color: lime"));
}

void TestBaseFrame::hideDisabledChildren()
{
    BareFrame frame;
    auto *enabled = new QPushButton(&frame);
    auto *disabled = new QPushButton(&frame);
    disabled->setEnabled(false);
    auto *disabledLabel = new QLabel(&frame);
    disabledLabel->setEnabled(false);
    auto *container = new QWidget(&frame);
    auto *disabledInside = new QPushButton(container);
    disabledInside->setEnabled(false);
    auto *disabledContainer = new QWidget(&frame);
    disabledContainer->setEnabled(false);
    auto *insideDisabled = new QPushButton(disabledContainer);

    frame.hideDisabledChildren();
    QVERIFY(enabled->isVisibleTo(&frame));
    QVERIFY(!disabled->isVisibleTo(&frame));
    QVERIFY(!disabledLabel->isVisibleTo(&frame));
    QVERIFY(container->isVisibleTo(&frame));
    QVERIFY(disabledInside->isVisibleTo(&frame));
    QVERIFY(!disabledContainer->isVisibleTo(&frame));
    QVERIFY(insideDisabled->isVisibleTo(disabledContainer));

    // Hidden for good: a refresh does not bring them back.
    frame.refresh(BaseFrame::LevelAdmin, true);
    QVERIFY(!disabled->isVisibleTo(&frame));
}

void TestBaseFrame::messageButtonClicked_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<bool>("goesToLog");

    QTest::newRow("main door screen") << "standard" << true;
    QTest::newRow("utilities") << "utilities" << true;
    QTest::newRow("log screen") << "eventlog" << false;
}

void TestBaseFrame::messageButtonClicked()
{
    QFETCH(QString, screen);
    QFETCH(bool, goesToLog);

    HeaderFrame frame;
    frame.setObjectName(screen);
    QSignalSpy segue(&frame, &BaseFrame::segue);
    frame.on_btnMessage_clicked();
    QCOMPARE(segue.count(), goesToLog ? 1 : 0);
    if (goesToLog)
        QCOMPARE(segue.at(0), (QVariantList{QString("eventlog"), false}));
}

void TestBaseFrame::userButtonClicked()
{
    HeaderFrame frame;
    QSignalSpy login(&frame, &BaseFrame::newAuthLevel);
    frame.on_btnUser_clicked();
    QCOMPARE(login.count(), 1);
    QCOMPARE(login.at(0).at(0).value<BaseFrame::auth_level>(), BaseFrame::LevelStandard);
}

QTEST_MAIN(TestBaseFrame)
#include "tst_baseframe.moc"
