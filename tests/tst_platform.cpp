// The program's own platform layer: single start, the clean end on SIGTERM,
// SIGINT and SIGHUP, and reading the local clock (never setting it).

#include "panelclock.h"
#include "singleinstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

// A copy of the platform layer's own program, with the lock and the socket
// of its single start in `temp`.
void startCopy(QProcess &copy, const QTemporaryDir &temp)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), temp.path());
    copy.setProcessEnvironment(environment);
    copy.setProcessChannelMode(QProcess::MergedChannels);
    copy.start(QStringLiteral(PLATFORMCOPY_PATH), QStringList());
}

// Whether a copy listening in `temp` answers, as a later start asks it.
bool answers(const QTemporaryDir &temp)
{
    const QDir dir(temp.path());
    for (const QString &name : dir.entryList(QDir::System | QDir::Files)) {
        if (name.endsWith(QLatin1String(".lock")))
            continue;
        QLocalSocket probe;
        probe.connectToServer(dir.filePath(name));
        if (probe.waitForConnected(100) && probe.waitForReadyRead(100))
            return true;
    }
    return false;
}

bool ended(QProcess &copy)
{
    return copy.state() == QProcess::NotRunning;
}

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("TZ", "XST-5:30"); }
    void onlyAnAnsweringCopyEndsAStart();
    void plantedLockStartsWithALogLine();
    void terminationSignalEndsCleanly_data();
    void terminationSignalEndsCleanly();
    void localTimeIsTheLocalClock();
};

// A second start ends while the first runs and answers.  A first copy that
// is stopped never answers, though its socket still takes the connection:
// then the next start runs, says why and answers later starts itself.
void TestPlatform::onlyAnAnsweringCopyEndsAStart()
{
    QTemporaryDir temp;
    QProcess first, second, third;
    startCopy(first, temp);
    QTRY_VERIFY_WITH_TIMEOUT(answers(temp), 5000);

    startCopy(second, temp);
    QTRY_VERIFY_WITH_TIMEOUT(ended(second), 5000);
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);

    ::kill(pid_t(first.processId()), SIGSTOP);
    startCopy(third, temp);
    QTRY_VERIFY_WITH_TIMEOUT(answers(temp), 10000);
    QCOMPARE(third.state(), QProcess::Running);
    QByteArray said;
    QTRY_VERIFY_WITH_TIMEOUT((said += third.readAll()).contains("held, but no running copy answers"), 5000);

    first.kill();
    third.kill();
    QVERIFY(first.waitForFinished(3000) && third.waitForFinished(3000));
}

// A lock that nobody answers for (here one planted as any local user could)
// only gets a log line.
void TestPlatform::plantedLockStartsWithALogLine()
{
    QTemporaryDir temp; // for the lock and the socket
    const QByteArray savedTmpdir = qgetenv("TMPDIR");
    qputenv("TMPDIR", temp.path().toLocal8Bit());
    QString lock;
    {
        SingleInstance first;
        QVERIFY(!first.anotherIsRunning());
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

void TestPlatform::terminationSignalEndsCleanly_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
}

// The program ends as if its window closed: exit code 0, its single-start
// lock and socket gone.
void TestPlatform::terminationSignalEndsCleanly()
{
    QFETCH(int, signal);
    QTemporaryDir temp;
    QProcess copy;
    startCopy(copy, temp);
    QTRY_VERIFY_WITH_TIMEOUT(answers(temp), 5000);

    ::kill(pid_t(copy.processId()), signal);
    QTRY_VERIFY_WITH_TIMEOUT(ended(copy), 5000);
    QCOMPARE(copy.exitStatus(), QProcess::NormalExit);
    QCOMPARE(copy.exitCode(), 0);
    QCOMPARE(QDir(temp.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
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
