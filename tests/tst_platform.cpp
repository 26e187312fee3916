// The program's own platform layer: single start and the clean end on
// SIGTERM and SIGINT.

#include "singleinstance.h"
#include "terminationsignals.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <csignal>

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void secondStartEndsWhileFirstAnswers();
    void startsWhenLockCannotBeTaken();
    void terminationSignalQuits_data();
    void terminationSignalQuits();

private:
    // Each test has a temporary folder of its own for the lock and socket.
    std::unique_ptr<QTemporaryDir> temp;
    QByteArray savedTmpdir;
};

void TestPlatform::init()
{
    temp = std::make_unique<QTemporaryDir>();
    savedTmpdir = qgetenv("TMPDIR");
    qputenv("TMPDIR", temp->path().toLocal8Bit());
}

void TestPlatform::cleanup()
{
    qputenv("TMPDIR", savedTmpdir);
    temp.reset();
}

void TestPlatform::secondStartEndsWhileFirstAnswers()
{
    SingleInstance first;
    QVERIFY(!first.anotherIsRunning());
    SingleInstance second;
    QVERIFY(second.anotherIsRunning());
}

// Only a running copy that answers ends a start; a lock that nobody answers
// for (here one planted as any local user could) only gets a log line.
void TestPlatform::startsWhenLockCannotBeTaken()
{
    QString lock;
    {
        SingleInstance probe; // its lock is the only lock file while it runs
        const QStringList files = QDir(temp->path()).entryList({QStringLiteral("*.lock")}, QDir::Files);
        QCOMPARE(files.size(), 1);
        lock = temp->filePath(files.first());
    }
    // What any local user could leave: a lock of a process on another host.
    QFile planted(lock);
    QVERIFY(planted.open(QIODevice::WriteOnly));
    planted.write("1\nsomething\nanother-host\n");
    planted.close();

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^starting although the single-instance lock"));
    SingleInstance instance;
    QVERIFY(!instance.anotherIsRunning());
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
    QTimer watchdog;
    connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    watchdog.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
