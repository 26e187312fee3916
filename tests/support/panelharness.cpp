#include "panelharness.h"

#include "baseframe.h"
#include "mainwindow.h"
#include "worker.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

namespace {

// A form whose widget a screen's slot names no longer matches only warns as
// the screen is built; the harness makes that a failure.
QStringList formWarnings;
QtMessageHandler previousHandler = nullptr;

void collectFormWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("No matching signal for")))
        formWarnings << message;
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

PanelHarness::PanelHarness(const QByteArray &settings)
    : previousDir(QDir::currentPath())
{
    QDir::setCurrent(dir.path());
    if (!settings.isEmpty()) {
        QFile file(QStringLiteral("kelvaron.ini"));
        file.open(QIODevice::WriteOnly);
        file.write(settings);
    }
    // The window opens its port as it shows, from its constructor on.
    Worker::setDefaultPortName(controller.devicePath());
    formWarnings.clear();
    previousHandler = qInstallMessageHandler(collectFormWarnings);
    mainWindow = std::make_unique<MainWindow>();
    qInstallMessageHandler(previousHandler);
    if (!formWarnings.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("a form does not fit its screen: ") + formWarnings.join(QStringLiteral("; "))),
                     __FILE__, __LINE__);
    }
    mainWindow->show();
    if (!QTest::qWaitForWindowExposed(mainWindow.get()))
        qWarning("the main window was not shown");
}

PanelHarness::~PanelHarness()
{
    mainWindow.reset();
    QDir::setCurrent(previousDir);
}

Worker &PanelHarness::worker()
{
    return *mainWindow->findChild<Worker *>(QStringLiteral("worker"));
}

QTimer &PanelHarness::screensaverTimer()
{
    return *mainWindow->findChild<QTimer *>(QStringLiteral("screensaverTimer"));
}

void PanelHarness::send(char type, const QByteArray &payload)
{
    QSignalSpy handedOn(&worker(), &Worker::updated);
    controller.write(Frames::controller(type, payload));
    if (!handedOn.wait(2000))
        qWarning("the panel did not hand on a frame of type %c", type);
}

void PanelHarness::sendRaw(const QByteArray &bytes)
{
    controller.write(bytes);
    settle(50);
}

QByteArray PanelHarness::poll()
{
    written();
    // A frame of a type the panel does not hand on releases the request
    // without changing anything else.
    sendRaw(Frames::controller('x', {}));
    return written();
}

QByteArray PanelHarness::written()
{
    settle(10);
    return controller.readAvailable();
}

BaseFrame *PanelHarness::screen()
{
    auto *stack = mainWindow->findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
    return qobject_cast<BaseFrame *>(stack->currentWidget());
}

QString PanelHarness::screenName()
{
    BaseFrame *current = screen();
    return current ? current->objectName() : QString();
}

BaseFrame *PanelHarness::screen(const QString &name)
{
    return mainWindow->findChild<BaseFrame *>(name);
}

void PanelHarness::click(const QString &buttonName)
{
    QAbstractButton *target = button(buttonName);
    if (!target) {
        QTest::qFail(qPrintable(QStringLiteral("no button %1 on %2").arg(buttonName, screenName())), __FILE__, __LINE__);
        return;
    }
    if (!target->isVisible())
        qWarning("clicking %s, which is not visible", qPrintable(buttonName));
    QTest::mouseClick(target, Qt::LeftButton);
    settle();
}

void PanelHarness::segue(const QString &name)
{
    mainWindow->segue(name);
    settle();
}

void PanelHarness::setLevel(int level)
{
    const auto authLevel = static_cast<BaseFrame::auth_level>(level);
    mainWindow->newAuthLevel(authLevel);
    if (BaseFrame *current = screen())
        current->refresh(authLevel, false);
}

void PanelHarness::settle(int ms)
{
    QTest::qWait(ms);
}
