#include "panelharness.h"

#include "baseframe.h"
#include "mainwindow.h"
#include "paneldrawing.h"
#include "worker.h"

#include <QDir>
#include <QFile>
#include <QSerialPort>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

namespace {

// Far longer than the panel ever takes to hand a frame on.
constexpr int HandOnMs = 5000;

void fail(const QString &message)
{
    QTest::qFail(qPrintable(message), __FILE__, __LINE__);
}

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
    formWarnings.clear();
    previousHandler = qInstallMessageHandler(collectFormWarnings);
    mainWindow = std::make_unique<MainWindow>(controller.devicePath());
    qInstallMessageHandler(previousHandler);
    if (!formWarnings.isEmpty())
        fail(QStringLiteral("a form does not fit its screen: ") + formWarnings.join(QStringLiteral("; ")));
    mainWindow->show();
    if (!QTest::qWaitForWindowExposed(mainWindow.get()))
        qWarning("the main window was not shown");
    const QString drawing = PanelDrawing::mismatch(*mainWindow);
    if (!drawing.isEmpty())
        fail(drawing);
}

PanelHarness::~PanelHarness()
{
    mainWindow.reset();
    QDir::setCurrent(previousDir);
}

Worker &PanelHarness::worker()
{
    return *mainWindow->findChild<Worker *>(QString(), Qt::FindDirectChildrenOnly);
}

QSerialPort &PanelHarness::port()
{
    return *worker().findChild<QSerialPort *>(QString(), Qt::FindDirectChildrenOnly);
}

QTimer &PanelHarness::windowTimer(bool singleShot)
{
    const auto timers = mainWindow->findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
    for (QTimer *timer : timers) {
        if (timer->isSingleShot() == singleShot)
            return *timer;
    }
    fail(QStringLiteral("the main window has no %1 timer").arg(singleShot ? "single-shot" : "repeating"));
    return noTimer;
}

void PanelHarness::send(char type, const QByteArray &payload)
{
    QSignalSpy handedOn(&worker(), &Worker::updated);
    controller.write(Frames::controller(type, payload));
    if (!handedOn.wait(HandOnMs))
        fail(QStringLiteral("the panel did not hand on a frame of type %1").arg(QLatin1Char(type)));
}

void PanelHarness::sendRaw(const QByteArray &bytes)
{
    if (!controller.writeAndWaitUntilRead(bytes, port()))
        fail(QStringLiteral("the panel did not read %1").arg(QString::fromLatin1(bytes.toHex(' '))));
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
    if (!PseudoTerminal::waitUntilWritten(port()))
        fail(QStringLiteral("the panel's port kept %1 bytes back").arg(port().bytesToWrite()));
    return controller.readAllWritten();
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
        fail(QStringLiteral("no button %1 on %2").arg(buttonName, screenName()));
        return;
    }
    if (!target->isVisible()) {
        fail(QStringLiteral("button %1 on %2 is not visible").arg(buttonName, screenName()));
        return;
    }
    QTest::mouseClick(target, Qt::LeftButton);
}

void PanelHarness::segue(const QString &name)
{
    mainWindow->segue(name);
}

void PanelHarness::setLevel(int level)
{
    const auto authLevel = static_cast<BaseFrame::auth_level>(level);
    mainWindow->newAuthLevel(authLevel);
    if (BaseFrame *current = screen())
        current->refresh(authLevel, false);
}
