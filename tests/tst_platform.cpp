// The program's own platform layer: single start and the clean end on
// SIGTERM and SIGINT.

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
    void onlyAnAnsweringCopyEndsAStart();
    void terminationSignalQuits_data();
    void terminationSignalQuits();
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

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
