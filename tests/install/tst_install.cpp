// The installed panel: this build installed into a temporary prefix, its
// panel-a started offscreen in a folder of its own, with /dev/COM1 linked to
// a pseudo-terminal the test plays the controller on.

#include "frames.h"
#include "pseudoterminal.h"

#include <QtTest>

#include <unistd.h>

class tst_install : public QObject
{
    Q_OBJECT

private slots:
    void installedPanelAsksForConfiguration();
    void cleanup();

private:
    // The panel writes the payload of each record it takes as a line of hex.
    int recordsTaken() const;

    QTemporaryDir dir;
    QProcess panel;
    QString com1Target; // where our /dev/COM1 points, once made
};

void tst_install::installedPanelAsksForConfiguration()
{
    const QString com1 = QStringLiteral("/dev/COM1");
    if (::access("/dev", W_OK) != 0 || QFileInfo(com1).exists() || QFileInfo(com1).isSymLink())
        QSKIP("linking /dev/COM1 needs root, and no /dev/COM1 of another");
    const QString prefix = dir.filePath(QStringLiteral("prefix"));
    QCOMPARE(QProcess::execute(QStringLiteral(CMAKE_COMMAND),
                               {QStringLiteral("--install"), QStringLiteral(BUILD_DIR), QStringLiteral("--prefix"), prefix}),
             0);

    PseudoTerminal line;
    QVERIFY(line.isOpen() && QFile::link(line.devicePath(), com1));
    com1Target = line.devicePath();
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("run")));
    panel.setWorkingDirectory(dir.filePath(QStringLiteral("run")));
    panel.setStandardErrorFile(dir.filePath(QStringLiteral("panel.err")));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    panel.setProcessEnvironment(env);
    panel.start(prefix + QStringLiteral("/bin/panel-a"), QStringList());
    QVERIFY(panel.waitForStarted());

    // The panel drops what came before it opened its port: send each record
    // until the panel has taken it.
    const QByteArray record = Frames::controller('i', Frames::info());
    for (int taken = 1; taken <= 2; ++taken) {
        int tries = 0;
        do {
            QVERIFY2(++tries <= 20 && panel.state() == QProcess::Running, "the panel takes no record");
            line.write(record);
        } while (!QTest::qWaitFor([&] { return recordsTaken() >= taken; }, 500));
        if (taken == 1)
            QCOMPARE(line.readAvailable(), QByteArray());
    }
    QByteArray sent;
    QVERIFY(QTest::qWaitFor([&] { return (sent += line.readAvailable()).size() >= 4; }, 5000));
    QCOMPARE(sent, Frames::hex("21 02 76 99"));
}

void tst_install::cleanup()
{
    panel.terminate(); // the panel ends cleanly on SIGTERM and frees its port
    if (!panel.waitForFinished(5000))
        panel.kill();
    if (!com1Target.isEmpty() && QFileInfo(QStringLiteral("/dev/COM1")).symLinkTarget() == com1Target)
        QFile::remove(QStringLiteral("/dev/COM1"));
}

int tst_install::recordsTaken() const
{
    QFile err(dir.filePath(QStringLiteral("panel.err")));
    return err.open(QIODevice::ReadOnly) ? err.readAll().split('\n').count(Frames::info().toHex()) : 0;
}

QTEST_GUILESS_MAIN(tst_install)
#include "tst_install.moc"
