// The screens target: the real main window of one door build, offscreen,
// driven by the fuzz data.  See fuzztarget.h for what a run checks.

#include "fuzztarget.h"

#include "doorcontrol.h"
#include "fakepanelclock.h"
#include "fakepanelutilities.h"
#include "frames.h"
#include "mainwindow.h"
#include "operatingmode.h"
#include "paramscreen.h"
#include "rows.h"
#include "screennames.h"
#include "worker.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QStackedWidget>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

constexpr int LongestFrame = 257;
constexpr int InfoSize = 28;
constexpr int ConfigSize = 100;
constexpr char ValidMark = '=';
constexpr int ValidMarkByte = 4;
constexpr int MaxRawRead = 16;
constexpr int MaxSetBytes = 4;
constexpr int Levels = 4;
// Enough steps in one dialog to reach any row's limit from any value.
constexpr int MaxDialogSteps = 64;
// Building a dialog takes longer than everything else a run does: a run
// drives this many, and ends at the next.
constexpr int MaxDialogs = 2;

void quiet(QtMsgType, const QMessageLogContext &, const QString &)
{
}

// Says which promise broke, for whoever replays the input.
bool broken(const char *promise)
{
    std::fprintf(stderr, "screens: %s\n", promise);
    return false;
}

// The fuzz data, read from the front; past its end every byte reads 0.
class Input
{
public:
    Input(const std::uint8_t *data, std::size_t size) : data(data), size(size) {}

    bool atEnd() const { return at >= size; }
    quint8 next() { return atEnd() ? 0 : data[at++]; }
    int pick(int count) { return count > 0 ? next() % count : 0; }
    QByteArray take(int count)
    {
        QByteArray bytes;
        for (int i = 0; i < count && !atEnd(); ++i)
            bytes.append(static_cast<char>(next()));
        return bytes;
    }

private:
    const std::uint8_t *data;
    std::size_t size;
    std::size_t at = 0;
};

quint8 sumOf(const QByteArray &bytes, int count)
{
    quint8 sum = 0;
    for (int i = 0; i < count; ++i)
        sum += static_cast<quint8>(bytes.at(i));
    return sum;
}

bool isPanelFrame(const QByteArray &frame)
{
    return frame.size() >= 4 && frame.at(0) == '!' && static_cast<quint8>(frame.at(1)) + 2 == frame.size()
        && sumOf(frame, frame.size() - 1) == static_cast<quint8>(frame.at(frame.size() - 1));
}

qint32 fieldOf(const QByteArray &block, int byte, int width)
{
    qint32 value = static_cast<quint8>(block.at(byte));
    if (width == 2)
        value |= static_cast<quint8>(block.at(byte + 1)) << 8;
    return value;
}

// The table of a parameter screen, or none.
const ParamTable *tableOf(const QObject *screen)
{
    if (qobject_cast<const Times *>(screen))
        return &Times::table();
    if (qobject_cast<const Positions *>(screen))
        return &Positions::table();
    if (qobject_cast<const Speed *>(screen))
        return &Speed::table();
    if (qobject_cast<const Current *>(screen))
        return &Current::table();
    if (qobject_cast<const Ramp *>(screen))
        return &Ramp::table();
    return nullptr;
}

// The values the value dialog can leave in a field, as stored, while the
// held block is `block`: the row's limits, the maximum taken from the
// block where the table says so (a maximum below the minimum wins).
bool reachable(const ParamTable &table, const ParamField &field, const QByteArray &block, qint32 value)
{
    qint32 max = field.max;
    if (table.runTimeMax == RunTimeMax::Word) {
        max = fieldOf(block, table.maxByte, 2);
    } else if (table.runTimeMax == RunTimeMax::CurrentLimit) {
        const qint32 basis = static_cast<qint16>(fieldOf(block, table.maxByte, 2));
        max = 1000 * (1 - basis / 100);
    }
    const qint32 storable = field.width == 2 ? 0xFFFF : 0xFF;
    const auto stored = [storable](qint32 v) { return qBound<qint32>(0, v, storable); };
    if (max < field.min)
        return value == stored(max);
    return value >= stored(field.min) && value <= stored(max);
}

// Nothing is painted: the panel paints nothing of its own (every pixel is
// Qt's widgets and style sheets), and painting would take most of a run.
class NoPainting : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Show:
            if (auto *widget = qobject_cast<QWidget *>(watched); widget && widget->isWindow())
                widget->setUpdatesEnabled(false);
            return false;
        case QEvent::UpdateRequest:
        case QEvent::Paint:
            return true;
        default:
            return false;
        }
    }
};

// The main window of the process.  Building one takes far longer than a
// run may, so one serves every run, brought back to its start in between:
// the link's buffer emptied and its request let out, the door state as a
// fresh one has it, nobody logged in, the start screen alone in the
// history.  What screens keep of their own (the log's rows, rows hidden
// for a controller type) stays.
class Panel
{
public:
    static Panel &instance();
    void startRun();

    MainWindow &window() { return *mainWindow; }
    Worker &worker() { return *link; }
    QStackedWidget &stack() { return *stackedWidget; }
    const QList<BaseFrame *> &screens() const { return frames; }

private:
    void build();
    bool backToStart();

    std::unique_ptr<MainWindow> mainWindow;
    Worker *link = nullptr;
    QStackedWidget *stackedWidget = nullptr;
    QList<BaseFrame *> frames;
};

Panel &Panel::instance()
{
    static Panel *panel = new Panel; // as the application, never torn down
    return *panel;
}

void Panel::build()
{
    static NoPainting noPainting;
    qApp->installEventFilter(&noPainting);
    mainWindow = std::make_unique<MainWindow>(QStringLiteral("/nonexistent/COM1"));
    mainWindow->setUpdatesEnabled(false);
    link = mainWindow->findChild<Worker *>(QString(), Qt::FindDirectChildrenOnly);
    stackedWidget = mainWindow->findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
    frames = stackedWidget->findChildren<BaseFrame *>(QString(), Qt::FindDirectChildrenOnly);
    // The blink and screensaver steps are the input's to make.
    for (QTimer *timer : mainWindow->findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly))
        timer->stop();
}

bool Panel::backToStart()
{
    if (!mainWindow->isVisible()) { // gone back past the first screen
        mainWindow->show();
        mainWindow->segue(ScreenName::Start);
    }
    for (int n = 0; n < 256 && mainWindow->navigationHistory().size() > 1; ++n)
        mainWindow->segueBack();
    return mainWindow->navigationHistory() == QStringList{QString::fromLatin1(ScreenName::Start)};
}

void Panel::startRun()
{
    FakePanelClock::now() = QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53), Qt::LocalTime);
    FakePanelClock::setTimes().clear();
    FakePanelUtilities::calls().clear();
    if (!mainWindow)
        build();

    mainWindow->newAuthLevel(BaseFrame::LevelStandard);
    if (!backToStart()) {
        build();
        backToStart();
    }
    // Silence longer than any frame ends every frame the buffer held (the
    // link target checks that); a right frame then lets the request out.
    link->receive(QByteArray(LongestFrame, '\0'));
    link->receive(Frames::controller('x', {}));

    DoorControl &door = *frames.first()->doorControl;
    const DoorControl fresh;
    door.info = fresh.info;
    door.config = fresh.config;
    door.configValid = fresh.configValid;
    door.countersValid = fresh.countersValid;
    door.configDirty = fresh.configDirty;
    door.configWhole = fresh.configWhole;
    door.eventsSeen = fresh.eventsSeen;
    door.uptime = fresh.uptime;
    door.serviceTime = fresh.serviceTime;
    door.events = fresh.events;
}

// One run: the input's actions on the main window, the checks after each.
class ScreensRun
{
public:
    explicit ScreensRun(Input &input);
    bool run();

private:
    void act();
    void actInDialog();
    void receive(const QByteArray &bytes);
    QByteArray controllerFrame();
    void tap(QAbstractButton *button, bool held);
    QList<QAbstractButton *> visibleButtons(QWidget *on) const;
    BaseFrame *screen() const { return qobject_cast<BaseFrame *>(stack->currentWidget()); }

    // What the panel may write back: the last block it took, whether it
    // came whole, and the parameter screens changed since it came.
    struct Written
    {
        QByteArray heldBlock;
        bool heldWhole = false;
        QList<const ParamTable *> changedScreens;
        bool changed = false;
    };

    void check(const QByteArray &answer, const Written &before);
    bool writeKept(const QByteArray &payload, const Written &before) const;
    void blockTaken(const QByteArray &payload);

    Input &input;
    MainWindow *window;
    Worker *worker;
    QStackedWidget *stack;
    QList<BaseFrame *> screens;
    QObject context; // the run's connections end with it
    QTimer dialogDriver;
    bool kept = true;

    Written written;
    // Every block taken in this run: a dialog edits the rows as they were
    // when it opened, so a row may go back as an older block had it.
    QList<QByteArray> blocksTaken;
    int dialogs = 0;
    bool ended = false;
};

ScreensRun::ScreensRun(Input &input)
    : input(input)
{
    // The settings file of this run: a layout and the build options.
    const quint8 options = input.next();
    QFile settings(QStringLiteral("kelvaron.ini"));
    settings.open(QIODevice::WriteOnly | QIODevice::Truncate);
    settings.write(QStringLiteral("[General]\nlayout=%1\nnoextension=%2\nnomodes2_6=%3\n")
                       .arg(options % 3)
                       .arg(options & 0x04 ? "true" : "false", options & 0x08 ? "true" : "false")
                       .toLatin1());
    settings.close();

    Panel &panel = Panel::instance();
    panel.startRun();
    window = &panel.window();
    worker = &panel.worker();
    stack = &panel.stack();
    screens = panel.screens();

    written.heldBlock = QByteArray(ConfigSize, '\0');
    blocksTaken.append(written.heldBlock);
    // The blocks the link hands on, as the door state takes them.
    QObject::connect(worker, &Worker::updated, &context, [this](quint8 type, const QByteArray &raw) {
        if (type == 'v')
            blockTaken(raw);
    });
    dialogDriver.setSingleShot(true);
    dialogDriver.setInterval(0);
    QObject::connect(&dialogDriver, &QTimer::timeout, [this] { actInDialog(); });
}

bool ScreensRun::run()
{
    while (!input.atEnd() && kept && !ended)
        act();
    // The request still waiting goes out and is checked too: silence longer
    // than any frame, then a right frame that ends the buffer.
    if (kept) {
        receive(QByteArray(LongestFrame, '\0'));
        receive(Frames::controller('x', {}));
    }
    return kept;
}

void ScreensRun::act()
{
    switch (input.pick(8)) {
    case 0:
    case 1:
        receive(controllerFrame());
        break;
    case 2:
        // In place of the showing screen, above the first one: going back
        // leads where the panel's own way there would.
        if (!screens.isEmpty())
            window->segue(screens.at(input.pick(screens.size()))->objectName(), window->navigationHistory().size() > 1);
        break;
    case 3: {
        const auto level = static_cast<BaseFrame::auth_level>(input.pick(Levels));
        window->newAuthLevel(level);
        if (BaseFrame *current = screen())
            current->refresh(level, false);
        break;
    }
    case 4:
    case 5: {
        const QList<QAbstractButton *> buttons = visibleButtons(screen());
        const quint8 how = input.next();
        if (!buttons.isEmpty())
            tap(buttons.at(how % buttons.size()), how >= 0xE0);
        // Where the program would end, the run does.
        ended = ended || !window->isVisible();
        break;
    }
    case 6:
        window->blinkEvent();
        break;
    default:
        if (input.next() & 1)
            window->saveScreen();
        else
            FakePanelClock::advance(input.next() * 100);
        break;
    }
}

// Inside a dialog's exec(): its buttons, controller frames and blinks, until
// it closes; at the end of the input its "<-- back" closes it.
void ScreensRun::actInDialog()
{
    auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (!dialog)
        return;
    ended = ended || ++dialogs > MaxDialogs;
    const ParamTable *table = tableOf(dialog->parentWidget());
    bool stepped = false;
    for (int steps = 0; dialog->isVisible() && !input.atEnd() && kept && !ended; ++steps) {
        const int what = input.pick(4);
        if (what == 0) {
            receive(controllerFrame());
            continue;
        }
        if (what == 1) {
            window->blinkEvent();
            continue;
        }
        const QList<QAbstractButton *> buttons = visibleButtons(dialog);
        if (buttons.isEmpty())
            break;
        QAbstractButton *button = buttons.at(input.pick(buttons.size()));
        if (steps >= MaxDialogSteps)
            button = dialog->findChild<QAbstractButton *>(QStringLiteral("btnEnter"));
        if (!button)
            break;
        const QString name = button->objectName();
        const bool isStep = name == QLatin1String("btn10p") || name == QLatin1String("btn1p")
            || name == QLatin1String("btn1n") || name == QLatin1String("btn10n");
        stepped = stepped || isStep;
        if (table && stepped && name == QLatin1String("btnEnter")) {
            written.changed = true;
            if (!written.changedScreens.contains(table))
                written.changedScreens.append(table);
        }
        QTest::mouseClick(button, Qt::LeftButton);
    }
    if (dialog->isVisible()) {
        if (auto *back = dialog->findChild<QAbstractButton *>(QStringLiteral("btnBack")))
            QTest::mouseClick(back, Qt::LeftButton);
        else
            dialog->reject();
    }
}

QList<QAbstractButton *> ScreensRun::visibleButtons(QWidget *on) const
{
    QList<QAbstractButton *> visible;
    if (!on)
        return visible;
    for (QAbstractButton *button : on->findChildren<QAbstractButton *>()) {
        if (button->isVisible())
            visible.append(button);
    }
    return visible;
}

// A tap, or a press held for the input's time, on a button; a dialog it
// opens is driven from inside its exec().
void ScreensRun::tap(QAbstractButton *button, bool held)
{
    if (button->objectName() == QLatin1String("btnExit")) {
        ended = true; // it quits the event loop: the program ends
        return;
    }
    dialogDriver.start();
    if (held) {
        QTest::mousePress(button, Qt::LeftButton);
        FakePanelClock::advance(input.next() * 20);
        QTest::mouseRelease(button, Qt::LeftButton);
    } else {
        QTest::mouseClick(button, Qt::LeftButton);
    }
    dialogDriver.stop();
}

// A controller frame made from the input: a record of the build's own
// controller type, a configuration block (whole, short, or without its
// mark), counters, a frame of another type or raw bytes.
QByteArray ScreensRun::controllerFrame()
{
    const auto setBytes = [this](QByteArray record, int count) {
        for (int n = input.pick(MaxSetBytes + 1); n > 0; --n) {
            const int at = input.pick(count);
            record[at] = static_cast<char>(input.next());
        }
        return record;
    };
    switch (input.pick(6)) {
    case 0:
    case 1: {
        QByteArray record = Frames::info();
        const QByteArray own = Rows::build().ownType;
        record.replace(0, own.size(), own);
        return Frames::controller('i', setBytes(record, InfoSize));
    }
    case 2: {
        QByteArray block = setBytes(Frames::config(), ConfigSize);
        const quint8 shape = input.next();
        if (shape >= 0xF0)
            block.truncate(shape - 0xF0 + 1);
        return Frames::controller('v', block);
    }
    case 3:
        return Frames::controller('t', input.take(8));
    case 4:
        return Frames::controller(static_cast<char>(input.next()), {});
    default:
        return input.take(input.pick(MaxRawRead) + 1);
    }
}

// One read of the link, as the port hands it over, and its answer checked
// against what the panel held before the read: the answer leaves ahead of
// the frame that released it.
void ScreensRun::receive(const QByteArray &bytes)
{
    const Written before = written;
    check(worker->receive(bytes), before);
}

// A configuration block the link handed on: the door state holds it when
// its mark is in place.
void ScreensRun::blockTaken(const QByteArray &payload)
{
    QByteArray block = QByteArray(ConfigSize, '\0');
    block.replace(0, qMin(payload.size(), ConfigSize), payload.left(ConfigSize));
    if (block.at(ValidMarkByte) != ValidMark)
        return;
    written.heldBlock = block;
    written.heldWhole = payload.size() >= ConfigSize;
    written.changed = false;
    written.changedScreens.clear();
    blocksTaken.append(block);
}

void ScreensRun::check(const QByteArray &answer, const Written &before)
{
    if (answer.isEmpty() || !kept)
        return;
    if (!isPanelFrame(answer)) {
        kept = broken("a frame written is not whole or its sum is wrong");
        return;
    }
    const char type = answer.at(2);
    const QByteArray payload = answer.mid(3, answer.size() - 4);
    if (type == 'W') {
        if (!before.changed)
            kept = broken("a block was written with no change on a parameter screen since the last block came");
        else if (!before.heldWhole || payload.size() != ConfigSize || payload.at(ValidMarkByte) != ValidMark)
            kept = broken("a block was written that is not a whole marked block");
        else if (!writeKept(payload, before))
            kept = broken("a block written differs from the one the controller sent beyond the changed rows");
    } else if (type == 'd') {
        bool known = false;
        for (const OperatingMode &mode : OperatingMode::all())
            known = known || (!payload.isEmpty() && mode.switchMask == static_cast<quint8>(payload.at(0)));
        if (payload.size() != 4 || !known || payload.mid(1) != QByteArray(3, '\0'))
            kept = broken("a mode switch carries no mask of the build's modes");
    } else if (type == 'c') {
        if (payload.size() != 1)
            kept = broken("a command is not one byte");
    } else if ((type != 't' && type != 'v') || !payload.isEmpty()) {
        kept = broken("a frame written is of no kind the panel sends");
    }
}

// A written block: after a change on a parameter screen, the whole block
// the controller sent last, its mark in place, changed only in the fields
// of the changed screens' rows, each to a value the dialog can reach or
// one the controller sent for it.
bool ScreensRun::writeKept(const QByteArray &payload, const Written &before) const
{
    const QByteArray &heldBlock = before.heldBlock;
    QByteArray rest = payload;
    for (const ParamTable *table : before.changedScreens) {
        for (const ParamRow &row : table->rows) {
            const ParamField &field = row.field;
            const qint32 value = fieldOf(payload, field.byte, field.width);
            bool allowed = value == fieldOf(heldBlock, field.byte, field.width);
            for (const QByteArray &block : blocksTaken) {
                allowed = allowed || value == fieldOf(block, field.byte, field.width)
                    || reachable(*table, field, block, value);
            }
            if (!allowed)
                return false;
            rest.replace(field.byte, field.width, heldBlock.mid(field.byte, field.width));
        }
    }
    return rest == heldBlock;
}

} // namespace

bool fuzzTarget(const std::uint8_t *data, std::size_t size)
{
    // One application for the process, never destroyed: it outlives every
    // run, and the fuzzer ends the process without tearing it down.
    static int argc = 1;
    static char name[] = "screens";
    static char *argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
        new QApplication(argc, argv);
    }
    // Going back past the first screen closes the window; the run ends
    // there, and the next one must still find the application.
    QApplication::setQuitOnLastWindowClosed(false);
    static const bool silenced = (qInstallMessageHandler(quiet), true);
    Q_UNUSED(silenced)

    // The panel's files lie in its working directory: a folder of the
    // runs' own while a run goes on, so the caller's stays as it was.
    static QTemporaryDir dir;
    const QString callersDir = QDir::currentPath();
    QDir::setCurrent(dir.path());
    bool kept;
    {
        Input input(data, size);
        ScreensRun run(input);
        kept = run.run();
    }
    QDir::setCurrent(callersDir);
    return kept;
}
