// The installed program: this build installed into a temporary prefix, its
// panel-a started offscreen in a folder of its own, with /dev/COM1 linked to
// a pseudo-terminal the test plays the controller on.

#include "frames.h"
#include "programend.h"
#include "pseudoterminal.h"

#include <QtTest>

#include <unistd.h>

class tst_install : public QObject
{
    Q_OBJECT

private slots:
    void installedPanelAsksForConfiguration();
};

void tst_install::installedPanelAsksForConfiguration()
{
    const QString com1 = QStringLiteral("/dev/COM1");
    if (::access("/dev", W_OK) != 0 || QFileInfo(com1).exists() || QFileInfo(com1).isSymLink())
        QSKIP("linking /dev/COM1 needs root, and no /dev/COM1 of another");
    QTemporaryDir prefix, run;
    QCOMPARE(QProcess::execute(QStringLiteral(CMAKE_COMMAND), {QStringLiteral("--install"), QStringLiteral(BUILD_DIR),
                                                               QStringLiteral("--prefix"), prefix.path()}),
             0);
    PseudoTerminal line;
    QVERIFY(QFile::link(line.devicePath(), com1));
    const auto removeLink = qScopeGuard([&] { QFile::remove(com1); });
    QProcess panel;
    panel.setWorkingDirectory(run.path());
    panel.setStandardErrorFile(run.filePath(QStringLiteral("panel.err")));
    panel.start(prefix.filePath(QStringLiteral(PROGRAM_DIR "/panel-a")), QStringList());
    const auto stop = qScopeGuard([&] { panel.terminate(); panel.waitForFinished(5000); });

    // The panel writes the payload of each record it takes as a line of hex,
    // and drops what came before it opened its port: send each record until
    // it is taken.
    const auto errorOutput = [&] {
        QFile err(run.filePath(QStringLiteral("panel.err")));
        return err.open(QIODevice::ReadOnly) ? err.readAll() : QByteArray();
    };
    const auto taken = [&] { return errorOutput().split('\n').count(Frames::info().toHex()); };
    for (int records = 1; records <= 2; ++records) {
        int tries = 0;
        do {
            QVERIFY2(++tries <= 10, "the panel takes no record");
            line.write(Frames::controller('i', Frames::info()));
        } while (!QTest::qWaitFor([&] { return taken() >= records; }, 1000));
        if (records == 1)
            QCOMPARE(line.readAvailable(), QByteArray());
    }
    QByteArray sent;
    QVERIFY(QTest::qWaitFor([&] { return (sent += line.readAvailable()).size() >= 4; }, 5000));
    QCOMPARE(sent, Frames::command(CmdRequestConfig));

    // SIGTERM ends it with code 0, and no sanitizer reported anything.
    panel.terminate();
    QVERIFY(panel.waitForFinished(5000));
    endedCleanly(panel, errorOutput());
}

QTEST_GUILESS_MAIN(tst_install)
#include "tst_install.moc"
