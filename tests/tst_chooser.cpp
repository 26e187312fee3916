#include "chooserwindow.h"
#include "paneldrawing.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLabel>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

const QStringList pickNames = {QStringLiteral("btnPick0"), QStringLiteral("btnPick1"),
                               QStringLiteral("btnPick2")};

QPushButton *button(QWidget &window, const QString &name)
{
    auto *b = window.findChild<QPushButton *>(name);
    if (!b)
        qFatal("no button %s", qPrintable(name));
    return b;
}

QStringList checkedPicks(QWidget &window)
{
    QStringList checked;
    for (const QString &name : pickNames) {
        if (button(window, name)->isChecked())
            checked << name;
    }
    return checked;
}

// Clicks "Install" from inside the application's event loop and returns what
// exec() returned; -1 when the loop came round once more after the click.
// (A zero timer set off while the loop hands out events waits for its next
// round, which never comes once the click has ended the loop.)
int installAndRun(QWidget &window)
{
    QPushButton *install = button(window, QStringLiteral("btnInstall"));
    QTimer::singleShot(0, install, [install] {
        QTest::mouseClick(install, Qt::LeftButton);
        QTimer::singleShot(0, [] { QCoreApplication::exit(-1); });
    });
    return QCoreApplication::exec();
}

// The name under which a running chooser listens for later starts: the
// single-instance start derives it from the executable's canonical path.
QString instanceName(const QString &executable)
{
    const QString path = QFileInfo(executable).canonicalFilePath();
    const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("kelvaron-%1-%2")
        .arg(QFileInfo(path).fileName(), QString::fromLatin1(hash.toHex().left(16)));
}

bool listening(const QString &name)
{
    QLocalSocket probe;
    probe.connectToServer(name);
    return probe.waitForConnected(100);
}

bool waitUntilListening(const QString &name, QProcess &owner, int timeoutMs)
{
    return QTest::qWaitFor([&] { return owner.state() != QProcess::Running || listening(name); }, timeoutMs)
        && owner.state() == QProcess::Running;
}

void startChooser(QProcess &process, const QString &workDir)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(workDir);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral(CHOOSER_PATH), QStringList());
}

} // namespace

class TestChooser : public QObject
{
    Q_OBJECT

private slots:
    void form_data();
    void form();
    void windowStartsFullScreenWithFirstPick();
    void install_data();
    void install();
    void installWithoutPickDoesNothing();
    void secondStartEndsAndKeepsFirst();
    void screenshot();
};

void TestChooser::form_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("pick");

    QTest::newRow("label") << "label" << "Choose a Kelvaron to install:" << QRect(10, 10, 221, 16) << false;
    QTest::newRow("btnPick0") << "btnPick0" << "PG VEK" << QRect(10, 35, 221, 41) << true;
    QTest::newRow("btnPick1") << "btnPick1" << "RTM" << QRect(10, 85, 221, 41) << true;
    QTest::newRow("btnPick2") << "btnPick2" << "K40" << QRect(10, 135, 221, 41) << true;
    QTest::newRow("btnInstall") << "btnInstall" << "Install" << QRect(10, 272, 221, 41) << false;
}

void TestChooser::form()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);
    QFETCH(bool, pick);

    MainWindow window;
    auto *central = window.findChild<QWidget *>(QStringLiteral("centralWidget"));
    QVERIFY(central);
    QCOMPARE(window.centralWidget(), central);

    auto *widget = central->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), central);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->property("text").toString(), text);
    QVERIFY(widget->styleSheet().isEmpty());

    auto *group = window.findChild<QButtonGroup *>(QStringLiteral("buttonGroup"));
    QVERIFY(group);
    auto *b = qobject_cast<QPushButton *>(widget);
    if (pick) {
        QVERIFY(b->isCheckable());
        QVERIFY(b->autoExclusive());
        QCOMPARE(b->group(), group);
    } else if (b) {
        QVERIFY(!b->isCheckable());
        QVERIFY(!b->group());
    } else {
        QVERIFY(qobject_cast<QLabel *>(widget));
    }
}

void TestChooser::windowStartsFullScreenWithFirstPick()
{
    MainWindow window;
    QCOMPARE(window.objectName(), QStringLiteral("MainWindow"));
    QCOMPARE(window.windowTitle(), QStringLiteral("MainWindow"));
    QVERIFY(window.isFullScreen());
    QVERIFY(window.isVisible());
    QVERIFY(window.styleSheet().isEmpty());
    QCOMPARE(checkedPicks(window), QStringList{QStringLiteral("btnPick0")});
    QCOMPARE(window.findChild<QButtonGroup *>(QStringLiteral("buttonGroup"))->buttons().size(), 3);
}

void TestChooser::install_data()
{
    QTest::addColumn<QStringList>("touches");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("untouched") << QStringList() << 0;
    QTest::newRow("PG VEK") << QStringList{"btnPick0"} << 0;
    QTest::newRow("RTM") << QStringList{"btnPick1"} << 1;
    QTest::newRow("K40") << QStringList{"btnPick2"} << 2;
    QTest::newRow("K40 touched twice") << QStringList{"btnPick2", "btnPick2"} << 2;
    QTest::newRow("K40 then PG VEK") << QStringList{"btnPick2", "btnPick0"} << 0;
    QTest::newRow("RTM, K40, RTM") << QStringList{"btnPick1", "btnPick2", "btnPick1"} << 1;
}

void TestChooser::install()
{
    QFETCH(QStringList, touches);
    QFETCH(int, exitCode);

    MainWindow window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    for (const QString &name : touches) {
        QTest::mouseClick(button(window, name), Qt::LeftButton);
        QCOMPARE(checkedPicks(window), QStringList{name});
    }

    QCOMPARE(installAndRun(window), exitCode);
    // The window stays as it was: "Install" only ends the event loop.
    QVERIFY(window.isVisible());
}

void TestChooser::installWithoutPickDoesNothing()
{
    MainWindow window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // Not reachable by touch; forced here to check the fall-through.
    window.findChild<QButtonGroup *>(QStringLiteral("buttonGroup"))->setExclusive(false);
    button(window, QStringLiteral("btnPick0"))->setChecked(false);
    QVERIFY(checkedPicks(window).isEmpty());

    QCOMPARE(installAndRun(window), -1);
}

void TestChooser::secondStartEndsAndKeepsFirst()
{
    const QString name = instanceName(QStringLiteral(CHOOSER_PATH));
    QTemporaryDir firstDir;
    QTemporaryDir secondDir;
    QVERIFY(firstDir.isValid() && secondDir.isValid());

    QProcess first;
    startChooser(first, firstDir.path());
    QVERIFY2(first.waitForStarted(3000), qPrintable(first.errorString()));
    QVERIFY2(waitUntilListening(name, first, 5000), "first chooser did not come up");

    QProcess second;
    startChooser(second, secondDir.path());
    QVERIFY2(second.waitForStarted(3000), qPrintable(second.errorString()));
    const bool ended = second.waitForFinished(4000);
    if (!ended) {
        second.kill();
        second.waitForFinished(1000);
    }
    QVERIFY2(ended, "second start did not end");
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);

    // The first one neither ended nor stopped answering later starts.
    QCOMPARE(first.state(), QProcess::Running);
    QVERIFY(listening(name));

    // It writes nothing into its working directory either.
    QCOMPARE(QDir(firstDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());

    first.kill();
    QVERIFY(first.waitForFinished(3000));
    QLocalServer::removeServer(name);
    QFile::remove(QDir::temp().filePath(name + QStringLiteral(".lock")));
}

void TestChooser::screenshot()
{
    MainWindow window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(QDir().mkpath(QStringLiteral(SCREENSHOT_DIR)));
    const QString drawing = PanelDrawing::mismatch(window);
    QVERIFY2(drawing.isEmpty(), qPrintable(drawing));

    // Full screen on the panel's display is 240 x 320; the widgets sit at fixed
    // places, so the top-left corner of any larger screen looks the same.
    const QPixmap shot = window.grab(QRect(0, 0, 240, 320));
    QCOMPARE(shot.size(), QSize(240, 320));
    QVERIFY(shot.save(QDir(QStringLiteral(SCREENSHOT_DIR)).filePath(QStringLiteral("chooser.png"))));
}

QTEST_MAIN(TestChooser)
#include "tst_chooser.moc"
