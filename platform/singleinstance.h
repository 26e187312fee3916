#ifndef SINGLEINSTANCE_H
#define SINGLEINSTANCE_H

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <memory>

// Keeps one running copy per executable file.
//
// Construct it right after the application object.  If another copy of the
// same executable file already runs and answers within three seconds,
// anotherIsRunning() is true and that copy has been asked to bring its window
// to the front: the caller then ends at once with exit code 0.  Otherwise
// this copy starts: it holds the claim until it ends (when it can take it at
// all: a lock left by another user, a planted lock file, an unwritable
// temporary folder or a copy that is stopped or hung and never answers only
// get a log line) and answers every later start, bringing the window given
// to setWindow() to the front.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(QObject *parent = nullptr);
    ~SingleInstance() override;

    bool anotherIsRunning() const { return otherCopyAnswered; }
    void setWindow(QWidget *window) { this->window = window; }

signals:
    void activationRequested();

private:
    void bringWindowToFront();
    static bool askRunningCopyToActivate(const QString &name);
    void listen(const QString &name);

    std::unique_ptr<QLockFile> claim;
    std::unique_ptr<QLocalServer> server;
    QPointer<QWidget> window;
    bool otherCopyAnswered = false;
};

#endif // SINGLEINSTANCE_H
