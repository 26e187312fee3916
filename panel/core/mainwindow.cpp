#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "operatingmode.h"
#include "screennames.h"

#include <QDebug>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>

namespace {

constexpr int BlinkMs = 500;
constexpr int ScreensaverMs = 300000;
constexpr int ModeSwitchSize = 4;

// The logo fills part of a 240 x 320 screen; a picture that claims more
// than this on a side would take far more memory than the panel has.
constexpr int MaxLogoSide = 4096;

// The logo from a regular file (a pipe of that name would block the start)
// whose header declares a sensible size; anything else is no logo.
QPixmap readLogo(const QString &fileName)
{
    if (!QFileInfo(fileName).isFile())
        return {};
    QImageReader reader(fileName);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > MaxLogoSide || size.height() > MaxLogoSide) {
        qWarning().noquote() << fileName << "is not used as the logo: its size" << size << "is not sensible";
        return {};
    }
    return QPixmap::fromImage(reader.read());
}

bool startsScreensaver(const QString &name)
{
    return name != QLatin1String(ScreenName::Start) && name != QLatin1String(ScreenName::Screensaver);
}

} // namespace

MainWindow::MainWindow(const QString &portName, QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , logo(readLogo(QStringLiteral("logo.png")))
    , blinkTimer(this)
    , screensaverTimer(this)
    , worker(portName, this)
    , recordIntake(worker, doorControl)
{
    ui->setupUi(this);

    const auto screens = ui->stackedWidget->findChildren<BaseFrame *>(QString(), Qt::FindDirectChildrenOnly);
    for (BaseFrame *screen : screens) {
        screen->doorControl = &doorControl;
        screen->setLogo(logo);
        connect(screen, &BaseFrame::segue, this, &MainWindow::segue);
        connect(screen, &BaseFrame::segueBack, this, &MainWindow::segueBack);
        connect(screen, &BaseFrame::newAuthLevel, this, &MainWindow::newAuthLevel);
        connect(screen, &BaseFrame::changeMode, this, &MainWindow::changeMode);
        connect(screen, &BaseFrame::sendCommand, this, &MainWindow::sendCommand);
        connect(screen, &BaseFrame::sendConfiguration, this, &MainWindow::sendConfiguration);
    }

    segue(ScreenName::Start);

    connect(&worker, &Worker::updated, this, &MainWindow::workerUpdated);
    connect(this, &MainWindow::desiredModeChanged, &worker, &Worker::sendModeSwitch);
    connect(this, &MainWindow::sendCommand, &worker, &Worker::sendCommand);
    connect(this, &MainWindow::sendConfiguration, &worker, &Worker::sendConfiguration);

    blinkTimer.setInterval(BlinkMs);
    connect(&blinkTimer, &QTimer::timeout, this, &MainWindow::blinkEvent);
    blinkTimer.start();

    screensaverTimer.setSingleShot(true);
    screensaverTimer.setInterval(ScreensaverMs);
    connect(&screensaverTimer, &QTimer::timeout, this, &MainWindow::saveScreen);

    showFullScreen();
}

MainWindow::~MainWindow()
{
    delete ui;
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    worker.openPort();
}

BaseFrame *MainWindow::currentScreen() const
{
    return qobject_cast<BaseFrame *>(ui->stackedWidget->currentWidget());
}

void MainWindow::segue(QString name, bool inplace)
{
    // (A null name would match any object.)
    auto *screen = name.isEmpty() ? nullptr : ui->stackedWidget->findChild<BaseFrame *>(name);
    if (!screen)
        return;

    if (inplace && !history.isEmpty())
        history.pop();
    history.push(name);

    // A screen may move on while it is being entered (the hold-to-run screen
    // leaves at once when the door is not in hold-to-run): then the screen it
    // went to shows, not this one.
    const quint64 thisSegue = ++segueCount;
    screen->refresh(authLevel, true);
    if (segueCount != thisSegue)
        return;
    ui->stackedWidget->setCurrentWidget(screen);

    if (startsScreensaver(name))
        screensaverTimer.start();

    qDebug().noquote().nospace() << "segue to " << name << " (" << history.size() << ")";
}

void MainWindow::segueBack()
{
    if (!history.isEmpty())
        history.pop();
    if (history.isEmpty()) {
        close();
        return;
    }
    segue(history.pop());
}

void MainWindow::saveScreen()
{
    segue(ScreenName::Screensaver);
}

void MainWindow::newAuthLevel(BaseFrame::auth_level level)
{
    authLevel = level;
    if (auto *screen = qobject_cast<BaseFrame *>(sender()))
        screen->refresh(level, false);
}

void MainWindow::blinkEvent()
{
    if (BaseFrame *screen = currentScreen()) {
        screen->blink(blinkPhase);
        blinkPhase = !blinkPhase;
    }
}

void MainWindow::workerUpdated(quint8 what, QByteArray raw)
{
    recordIntake.take(what, raw);
    if (BaseFrame *screen = currentScreen())
        screen->refresh(authLevel, false);
}

void MainWindow::changeMode(int mode)
{
    QByteArray payload(ModeSwitchSize, '\0');
    payload[0] = static_cast<char>(OperatingModes::switchMask(mode));
    emit desiredModeChanged(payload);
    screensaverTimer.start();
}
