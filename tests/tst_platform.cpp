// The program's own platform layer: single start, the clean end on SIGTERM
// and SIGINT, and reading the local clock (never setting it).

#include "panelclock.h"
#include "singleinstance.h"
#include "terminationsignals.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("TZ", "XST-5:30"); }
    void onlyAnAnsweringCopyEndsAStart();
    void terminationSignalQuits_data();
    void terminationSignalQuits();
    void localTimeIsTheLocalClock();
};

// A second start ends while the first runs and answers; a lock that nobody
// answers for (here one planted as any local user could) only gets a log line.
void TestPlatform::onlyAnAnsweringCopyEndsAStart()
{
    QTemporaryDir temp; // for the lock and the socket
    const QByteArray savedTmpdir = qgetenv("TMPDIR");
    qputenv("TMPDIR", temp.path().toLocal8Bit());
    QString lock;
    {
        SingleInstance first;
        QVERIFY(!first.anotherIsRunning());
        QVERIFY(SingleInstance().anotherIsRunning());
        lock = temp.filePath(QDir(temp.path()).entryList({QStringLiteral("*.lock")}, QDir::Files).value(0));
    }
    QFile planted(lock);
    QVERIFY(planted.open(QIODevice::WriteOnly));
    planted.write("1\nsomething\nanother-host\n");
    planted.close();

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^starting although the single-instance lock"));
    QVERIFY(!SingleInstance().anotherIsRunning());
    qputenv("TMPDIR", savedTmpdir);
}

void TestPlatform::terminationSignalQuits_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
}

void TestPlatform::terminationSignalQuits()
{
    QFETCH(int, signal);
    quitOnTerminationSignals();
    QTimer::singleShot(0, [signal] { std::raise(signal); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(-1); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

// The clock's fields are those of the local time, in a zone half an hour off
// whole hours from universal time (set before the clock is first read).
void TestPlatform::localTimeIsTheLocalClock()
{
    const QDateTime before = QDateTime::currentDateTime();
    const PanelClock::LocalTime time = PanelClock::localTime();
    const QDateTime after = QDateTime::currentDateTime();
    const QDateTime read = PanelClock::toDateTime(time);
    QVERIFY(read.isValid());
    QVERIFY2(read >= before.addMSecs(-1) && read <= after, qPrintable(read.toString(Qt::ISODateWithMs)));
    QCOMPARE(time.dayOfWeek, read.date().dayOfWeek());
    QVERIFY(read.offsetFromUtc() != 0);
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
