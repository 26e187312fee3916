// The system and maker information screens, driven through the real main
// window.

#include "mainwindow.h"
#include "panelharness.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTest>

class TestInfoscreens : public QObject
{
    Q_OBJECT

private slots:
    void programVersionAndBuildDate();
    void controllerVersionFromConfiguration_data();
    void controllerVersionFromConfiguration();
    void controllerVersionFillsInWhileShowing();
    void invalidConfigurationLeavesVersionEmpty();
    void noLevelHidesAnything_data();
    void noLevelHidesAnything();
    void backReturns_data();
    void backReturns();
    void makerInformationIsInTheStack();

private:
    static QString text(PanelHarness &panel, const char *label);
};

QString TestInfoscreens::text(PanelHarness &panel, const char *label)
{
    auto *widget = panel.widget<QLabel>(QLatin1String(label));
    if (!widget) {
        qWarning("no label %s on %s", label, qPrintable(panel.screenName()));
        return QStringLiteral("<missing>");
    }
    return widget->text();
}

void TestInfoscreens::programVersionAndBuildDate()
{
    PanelHarness panel;
    panel.segue("systeminfo");
    QCOMPARE(panel.screenName(), QString("systeminfo"));

    QCOMPARE(text(panel, "lblMMIVer"), QString("3.03"));
    QVERIFY(QRegularExpression("^\\d\\d\\.\\d\\d\\.\\d{4}$").match(text(panel, "lblBuildDate")).hasMatch());

    // Filled before the controller has said anything and kept after it has.
    const QString date = text(panel, "lblBuildDate");
    panel.send('v', Frames::config());
    panel.send('i', Frames::info());
    QCOMPARE(text(panel, "lblMMIVer"), QString("3.03"));
    QCOMPARE(text(panel, "lblBuildDate"), date);
}

void TestInfoscreens::controllerVersionFromConfiguration_data()
{
    QTest::addColumn<bool>("configuration");
    QTest::addColumn<QString>("version");

    QTest::newRow("no configuration block yet") << false << QString();
    QTest::newRow("valid configuration block") << true << QString("V1.2");
}

// Entered after the records arrived: the values show at once.
void TestInfoscreens::controllerVersionFromConfiguration()
{
    QFETCH(bool, configuration);
    QFETCH(QString, version);

    PanelHarness panel;
    panel.send('i', Frames::info());
    if (configuration)
        panel.send('v', Frames::config());
    panel.segue("systeminfo");

    QCOMPARE(text(panel, "lblCoreVer"), version);
    QCOMPARE(text(panel, "lblDriveVer"), version);
}

void TestInfoscreens::controllerVersionFillsInWhileShowing()
{
    PanelHarness panel;
    panel.segue("systeminfo");
    panel.send('i', Frames::info());
    QCOMPARE(text(panel, "lblCoreVer"), QString());
    QCOMPARE(text(panel, "lblDriveVer"), QString());

    panel.send('v', Frames::config());
    QCOMPARE(text(panel, "lblCoreVer"), QString("V1.2"));
    QCOMPARE(text(panel, "lblDriveVer"), QString("V1.2"));

    // A later block with another version text replaces it on both.
    panel.send('v', Frames::config({{0, 'V'}, {1, '2'}, {2, '.'}, {3, '0'}}));
    QCOMPARE(text(panel, "lblCoreVer"), QString("V2.0"));
    QCOMPARE(text(panel, "lblDriveVer"), QString("V2.0"));
}

void TestInfoscreens::invalidConfigurationLeavesVersionEmpty()
{
    PanelHarness panel;
    panel.segue("systeminfo");
    panel.send('v', Frames::config({{4, '-'}}));
    QCOMPARE(text(panel, "lblCoreVer"), QString());
    QCOMPARE(text(panel, "lblDriveVer"), QString());
}

void TestInfoscreens::noLevelHidesAnything_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("level");
    QTest::addColumn<QStringList>("widgets");

    const QStringList systeminfo = {"lblStatus", "lblStatus_3", "lblMMIVer", "lblStatus_5", "lblBuildDate",
                                    "lblStatus_7", "lblCoreVer", "lblStatus_9", "lblDriveVer", "btnBack"};
    const QStringList vekinfo = {"lblStatus", "lblStatus_3", "lblStatus_5", "btnBack"};
    for (int level = 0; level <= 3; ++level) {
        QTest::addRow("systeminfo, level %d", level) << "systeminfo" << level << systeminfo;
        QTest::addRow("vekinfo, level %d", level) << "vekinfo" << level << vekinfo;
    }
}

void TestInfoscreens::noLevelHidesAnything()
{
    QFETCH(QString, screen);
    QFETCH(int, level);
    QFETCH(QStringList, widgets);

    PanelHarness panel;
    panel.send('v', Frames::config());
    panel.setLevel(level);
    panel.segue(screen);
    panel.send('i', Frames::info());

    for (const QString &name : widgets) {
        auto *widget = panel.widget<QWidget>(name);
        QVERIFY2(widget, qPrintable(name));
        QVERIFY2(widget->isVisible(), qPrintable(name + " is hidden"));
    }
    // The header's level button alone follows the level; the fire label
    // never shows.
    QCOMPARE(panel.widget<QPushButton>("btnUser")->isVisible(), level > 0);
    QVERIFY(!panel.widget<QLabel>("lblFire")->isVisible());
}

void TestInfoscreens::backReturns_data()
{
    QTest::addColumn<QString>("screen");
    QTest::newRow("systeminfo") << "systeminfo";
    QTest::newRow("vekinfo") << "vekinfo";
}

void TestInfoscreens::backReturns()
{
    QFETCH(QString, screen);

    PanelHarness panel;
    panel.segue("utilities");
    panel.segue(screen);
    QCOMPARE(panel.screenName(), screen);

    panel.click("btnBack");
    QCOMPARE(panel.screenName(), QString("utilities"));
    QCOMPARE(panel.window().navigationHistory(), QStringList({"start", "utilities"}));
}

// Nothing leads to the maker information in this build, but the screen is
// built with the others and can be entered by name.
void TestInfoscreens::makerInformationIsInTheStack()
{
    PanelHarness panel;
    auto *stack = panel.window().findChild<QStackedWidget *>("stackedWidget");
    QVERIFY(stack);
    BaseFrame *vekinfo = panel.screen("vekinfo");
    QVERIFY(vekinfo);
    QVERIFY(stack->indexOf(vekinfo) >= 0);

    panel.segue("vekinfo");
    QCOMPARE(panel.screenName(), QString("vekinfo"));
    QCOMPARE(text(panel, "lblStatus"), QString("Info"));
    QCOMPARE(text(panel, "lblStatus_3"), QString("Manufacturer information:"));

    // Several centred lines of contact text.
    auto *contact = panel.widget<QLabel>("lblStatus_5");
    QVERIFY(contact);
    QVERIFY(contact->text().split('\n', Qt::SkipEmptyParts).size() >= 3);
    QCOMPARE(contact->alignment(), Qt::Alignment(Qt::AlignCenter));
}

QTEST_MAIN(TestInfoscreens)
#include "tst_infoscreens.moc"
