#include "singleinstance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>

namespace {

// One name per executable file, whatever directory the program starts in.
QString instanceName()
{
    const QString path = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("kelvaron-%1-%2")
        .arg(QFileInfo(path).fileName(), QString::fromLatin1(hash.toHex().left(16)));
}

// How long a later start waits for a running copy's answer.
constexpr int answerWaitMs = 3000;
// What a running copy answers: it is alive and brings its window to the front.
constexpr char answer = '!';

} // namespace

SingleInstance::SingleInstance(QObject *parent)
    : QObject(parent)
{
    const QString name = instanceName();
    claim = std::make_unique<QLockFile>(QDir::temp().filePath(name + QStringLiteral(".lock")));
    claim->setStaleLockTime(0); // a lock is stale only when its process is gone

    if (claim->tryLock(0)) {
        listen(name);
        return;
    }

    const QLockFile::LockError error = claim->error();
    claim.reset();
    if (error == QLockFile::LockFailedError && askRunningCopyToActivate(name)) {
        otherCopyAnswered = true;
        return;
    }
    qWarning().noquote() << "starting although the single-instance lock"
                         << QDir::temp().filePath(name + QStringLiteral(".lock")) << "could not be taken:"
                         << (error == QLockFile::LockFailedError ? QStringLiteral("held, but no running copy answers")
                             : error == QLockFile::PermissionError ? QStringLiteral("no permission")
                                                                   : QStringLiteral("unknown error"));
    listen(name);
}

// Here no running copy holds the name: a copy that died may have left its
// socket behind.
void SingleInstance::listen(const QString &name)
{
    QLocalServer::removeServer(name);
    server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *peer = server->nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            peer->write(&answer, 1);
            peer->disconnectFromServer(); // once the answer is written
        }
        bringWindowToFront();
    });
    if (!server->listen(name))
        qWarning().noquote() << "a later start cannot reach this copy:" << server->errorString();
}

SingleInstance::~SingleInstance() = default;

void SingleInstance::bringWindowToFront()
{
    if (window) {
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        window->raise();
        window->activateWindow();
    }
    emit activationRequested();
}

// Whether a running copy answered; it then brings its window to the front.
// A copy that is stopped or hung still lets the kernel complete the
// connection, so only its answer counts.
bool SingleInstance::askRunningCopyToActivate(const QString &name)
{
    // The running copy may have taken the lock a moment ago and not be
    // listening yet: keep trying for a short while.
    QElapsedTimer waited;
    waited.start();
    QLocalSocket socket;
    do {
        socket.connectToServer(name);
        if (socket.waitForConnected(200)) {
            const int left = int(qMax<qint64>(0, answerWaitMs - waited.elapsed()));
            if (socket.waitForReadyRead(left) && socket.read(1) == QByteArray(1, answer))
                return true;
        }
        socket.abort();
        QThread::msleep(50);
    } while (waited.elapsed() < answerWaitMs);
    return false;
}
